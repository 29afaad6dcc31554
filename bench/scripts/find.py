#!/usr/bin/env python3
"""Time the scripts' commands at many notes: `paperlet --find WORDS` (and
`--list`, `--text`) answered by a running copy over a private session bus, and
the same read from the notes folder with no copy running.

usage: find.py [BUILD_DIR] [--notes N] [--runs R]
Needs an X display (run it under tests/e2e/with-display.sh) and dbus-daemon.
Prints the median, the slowest run and the fastest of each, in milliseconds.
Starts its own bus and copy of the program and stops exactly those.
"""
import argparse
import os
import random
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

WORDS = ("milk bread eggs call plumber report meeting tomorrow garden invoice "
         "dentist birthday present train ticket holiday kitchen tap window paint "
         "review budget draft chapter recipe flour sugar butter garage tyres "
         "café crème brûlée Straße naïve façade").split()
OTHER_SCRIPTS = ["会議は十時", "قال مرحبا للجميع", "привет мир", "🎉 party"]


def note_bytes(i, rng):
    left, top = rng.randrange(0, 1000), rng.randrange(0, 600)
    header = "".join(f"{v:06X}" for v in (left, top, 200, 200, 100, 0x99FFFF))
    title = f"{rng.choice(WORDS).capitalize()} {i}"
    paragraphs = []
    for _ in range(rng.randrange(3, 8)):
        words = [rng.choice(WORDS) for _ in range(rng.randrange(8, 25))]
        if rng.random() < 0.2:
            words.append(rng.choice(OTHER_SCRIPTS))
        paragraphs.append(" ".join(words))
    if i % 100 == 0:
        paragraphs.append("needle haystack")   # ten notes match the timed query
    body = "".join("\\u%d?" % (ord(c) if ord(c) < 32768 else ord(c) - 65536) if ord(c) > 127 else c
                   for c in "\\par ".join(paragraphs))
    rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 " + body + "\\par}"
    return ("\ufeff" + header + "\r\n" + title + "\r\n" + rtf + "\r\n").encode("utf-8")


def timed(command, env, runs):
    times = []
    output = b""
    for _ in range(runs):
        start = time.perf_counter()
        done = subprocess.run(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        times.append((time.perf_counter() - start) * 1000)
        if done.returncode != 0:
            sys.exit(f"{' '.join(command)}: exit {done.returncode}: {done.stderr.decode()}")
        output = done.stdout
    return times, output


def report(name, times, output):
    lines = output.count(b"\n")
    print(f"{name:34s} median {statistics.median(times):7.1f}  max {max(times):7.1f}  "
          f"min {min(times):7.1f}  ({len(times)} runs, {lines} lines)")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build", nargs="?", default=os.path.join(os.path.dirname(__file__), "../../build"))
    ap.add_argument("--notes", type=int, default=1000)
    ap.add_argument("--runs", type=int, default=15)
    args = ap.parse_args()
    if not os.environ.get("DISPLAY"):
        sys.exit("no DISPLAY: run under tests/e2e/with-display.sh")

    scratch = tempfile.mkdtemp(prefix="paperlet-find.")
    bus = app = None
    try:
        for d in ("app/Notes", "home", "config", "cache", "data"):
            os.makedirs(os.path.join(scratch, d))
        os.makedirs(os.path.join(scratch, "run"), mode=0o700)
        program = os.path.join(scratch, "app", "paperlet")
        shutil.copy(os.path.join(args.build, "bin", "paperlet"), program)
        with open(os.path.join(scratch, "app", "settings.ini"), "wb") as f:
            f.write(b"CheckForUpdates=0\r\n")
        rng = random.Random(24)
        for i in range(args.notes):
            with open(os.path.join(scratch, "app", "Notes", f"{i:05d}.pnf"), "wb") as f:
                f.write(note_bytes(i, rng))

        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=address, HOME=os.path.join(scratch, "home"),
                   XDG_CONFIG_HOME=os.path.join(scratch, "config"), XDG_CACHE_HOME=os.path.join(scratch, "cache"),
                   XDG_DATA_HOME=os.path.join(scratch, "data"), XDG_RUNTIME_DIR=os.path.join(scratch, "run"),
                   QT_QPA_PLATFORM="xcb")
        query = [program, "--find", "needle", "HAYSTACK"]

        times, out = timed(query, env, args.runs)
        report("--find, no copy running", times, out)
        times, out = timed([program, "--list"], env, args.runs)
        report("--list, no copy running", times, out)

        app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        service = "example.paperlet.Paperlet1_1"
        deadline = time.time() + 120
        while time.time() < deadline:
            names = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                    "/", "org.freedesktop.DBus.ListNames"], env=env, capture_output=True).stdout
            if service.encode() in names:
                break
            time.sleep(0.2)   # a benchmark's start-up wait, not a test
        else:
            sys.exit("the program did not come onto the bus")
        timed(query, env, 1)   # the copy has read every note once
        times, out = timed(query, env, args.runs)
        report(f"--find, copy running ({args.notes})", times, out)
        times, out = timed([program, "--list"], env, args.runs)
        report(f"--list, copy running ({args.notes})", times, out)
        times, out = timed([program, "--text", "00500.pnf"], env, args.runs)
        report("--text, copy running", times, out)
        subprocess.run([program, "--exit"], env=env, timeout=60)
        app.wait(timeout=60)
        app = None
    finally:
        for process in (app, bus):
            if process and process.poll() is None:
                process.send_signal(signal.SIGTERM)
                process.wait(timeout=30)
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
