#!/usr/bin/env bash
# sync-scenario.sh [PAPERLET_BINARY]
# Two copies of Paperlet, each with its own Notes folder on its own X display,
# the two folders kept in step by two Syncthing instances that talk over
# 127.0.0.1 only (no discovery, relays or NAT). Checks, as a user would see it:
#   1. a note edited on one side shows the edit on the other;
#   2. the same note edited on both sides at once: both texts are kept, in
#      files and in windows, on both sides;
#   3. a note deleted on one side closes on the other and stays deleted.
# Needs syncthing, Xvfb, xdotool, x11-utils and python3 (scripts/setup.sh).
# Starts and stops exactly its own processes, by PID. Last line:
# "N passed, M failed"; exit code 0 only when all passed, 77 when a tool is
# missing (skipped).
set -uo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/bin/paperlet}
for tool in syncthing Xvfb xdotool xwininfo python3; do
  command -v "$tool" >/dev/null || { echo "sync-scenario: $tool is missing: skipped" >&2; exit 77; }
done
[ -x "$binary" ] || { echo "sync-scenario: no program at $binary" >&2; exit 2; }
exec python3 - "$(realpath "$binary")" <<'PY'
import glob, json, os, shutil, signal, socket, subprocess, sys, tempfile, time, urllib.request
import xml.etree.ElementTree as ET

binary = sys.argv[1]
root = tempfile.mkdtemp(prefix='paperlet-sync.')
procs = []          # (name, Popen), stopped in reverse order
results = []

def log(*a):
    print(f'[{time.monotonic() - T0:6.2f}s]', *a, flush=True)
T0 = time.monotonic()

def wait(pred, timeout):
    """Polls pred until it holds; returns seconds taken or None."""
    t = time.monotonic()
    while time.monotonic() - t < timeout:
        try:
            if pred():
                return time.monotonic() - t
        except Exception:
            pass
        time.sleep(0.05)
    return None

def check(name, ok, detail=''):
    results.append(ok)
    log(('PASS ' if ok else 'FAIL ') + name + (f' ({detail})' if detail else ''))

def start(name, argv, **kw):
    p = subprocess.Popen(argv, **kw)
    procs.append((name, p))
    return p

def free_ports(n):
    socks = [socket.socket() for _ in range(n)]
    for s in socks:
        s.bind(('127.0.0.1', 0))
    ports = [s.getsockname()[1] for s in socks]
    for s in socks:
        s.close()
    return ports

# A note file: header (left, top, 200 x 200, opacity 100, light yellow), title, text.
def note_bytes(left, top, title, text):
    header = ''.join(f'{v:06X}' for v in (left, top, 200, 200, 100, 0x99FFFF))
    return b'\xef\xbb\xbf' + f'{header}\r\n{title}\r\n{text}\r\n'.encode()

class Side:
    def __init__(self, name):
        self.name = name
        self.home = f'{root}/{name}'
        self.app = f'{self.home}/app'
        self.notes = f'{self.app}/Notes'
        os.makedirs(self.notes + '/.stfolder')
        shutil.copy2(binary, self.app + '/paperlet')
        with open(self.app + '/settings.ini', 'wb') as f:
            f.write(b'CheckForUpdates=0\r\n')
        self.env = dict(os.environ)
        for var in ('CONFIG', 'DATA', 'CACHE', 'RUNTIME'):
            d = f'{self.home}/xdg-{var.lower()}'
            os.makedirs(d, mode=0o700)
            self.env[f'XDG_{var}_DIR' if var == 'RUNTIME' else f'XDG_{var}_HOME'] = d
        self.env.update(HOME=self.home, NO_AT_BRIDGE='1', QT_QPA_PLATFORM='xcb')

    # --- X display and the program -------------------------------------
    def start_display(self):
        number_file = f'{self.home}/display'
        with open(number_file, 'w') as out:
            start(f'Xvfb {self.name}', ['Xvfb', '-displayfd', str(out.fileno()), '-screen', '0', '1280x800x24',
                                        '-nolisten', 'tcp', '-noreset'], pass_fds=(out.fileno(),),
                  stderr=open(f'{self.home}/xvfb.log', 'w'))
        wait(lambda: open(number_file).read().strip(), 10)
        self.env['DISPLAY'] = ':' + open(number_file).read().strip()
        wait(lambda: subprocess.run(['xdpyinfo'], env=self.env, capture_output=True).returncode == 0, 10)

    def start_program(self):
        self.log = open(f'{self.home}/paperlet.log', 'w')
        self.program = start(f'paperlet {self.name}', [self.app + '/paperlet'], env=self.env,
                             stdout=self.log, stderr=subprocess.STDOUT, cwd=self.app)

    def x(self, *argv):
        return subprocess.run(list(argv), env=self.env, capture_output=True, text=True, timeout=30).stdout

    def windows(self, title):
        """Viewable windows of this side's program titled exactly `title`."""
        out = self.x('xdotool', 'search', '--all', '--onlyvisible', '--pid', str(self.program.pid), '--name',
                     '^' + title + '$')
        return [int(w) for w in out.split()]

    def geometry(self, window):
        g = dict(l.split('=') for l in self.x('xdotool', 'getwindowgeometry', '--shell', str(window)).split())
        return int(g['X']), int(g['Y']), int(g['WIDTH']), int(g['HEIGHT'])

    def place(self, window):
        return self.geometry(window)[:2]

    def center(self, window):
        x, y, w, h = self.geometry(window)
        return x + w // 2, y + h // 2

    def type_into(self, window, text, keys=()):
        cx, cy = self.center(window)
        self.x('xdotool', 'mousemove', str(cx), str(cy + 20), 'click', '1')
        self.x('xdotool', 'windowfocus', '--sync', str(window))
        if keys:
            self.x('xdotool', 'key', '--delay', '40', *keys)
        if text:
            self.x('xdotool', 'type', '--delay', '20', '--', text)

    def files(self):
        return sorted(os.path.basename(p) for p in glob.glob(self.notes + '/*.pnf'))

    def all_text(self):
        return b''.join(open(f'{self.notes}/{n}', 'rb').read() for n in self.files())

    # --- Syncthing --------------------------------------------------------
    def api(self, path, method='GET'):
        req = urllib.request.Request(f'http://127.0.0.1:{self.gui}{path}', method=method,
                                     headers={'X-API-Key': self.apikey})
        with urllib.request.urlopen(req, timeout=10) as r:
            body = r.read()
            return json.loads(body) if body and r.headers.get('Content-Type', '').startswith('application/json') else body

FOLDER = 'notes'
sides = [Side('A'), Side('B')]
A, B = sides

def configure_syncthing():
    ports = free_ports(4)
    for side, gui, port in ((A, ports[0], ports[1]), (B, ports[2], ports[3])):
        side.st = f'{side.home}/st'
        side.gui, side.port = gui, port
        subprocess.run(['syncthing', 'generate', f'--home={side.st}', '--no-default-folder', '--skip-port-probing'],
                       check=True, capture_output=True)
        side.id = subprocess.run(['syncthing', 'serve', f'--home={side.st}', '--device-id'], check=True,
                                 capture_output=True, text=True).stdout.strip()
    for side, other in ((A, B), (B, A)):
        path = f'{side.st}/config.xml'
        tree = ET.parse(path)
        cfg = tree.getroot()
        gui = cfg.find('gui')
        gui.find('address').text = f'127.0.0.1:{side.gui}'
        side.apikey = gui.find('apikey').text
        opts = cfg.find('options')
        for tag, value in (('listenAddress', f'tcp://127.0.0.1:{side.port}'),
                           ('globalAnnounceEnabled', 'false'), ('localAnnounceEnabled', 'false'),
                           ('relaysEnabled', 'false'), ('natEnabled', 'false'), ('urAccepted', '-1'),
                           ('crashReportingEnabled', 'false'), ('autoUpgradeIntervalH', '0'),
                           ('startBrowser', 'false'), ('announceLANAddresses', 'false'),
                           ('reconnectionIntervalS', '5')):
            for e in opts.findall(tag):
                opts.remove(e)
            ET.SubElement(opts, tag).text = value
        for e in opts.findall('globalAnnounceServer'):
            opts.remove(e)
        # Only A dials: both dialling at once can stall the handshake.
        dev = ET.SubElement(cfg, 'device', id=other.id, name=other.name, compression='metadata',
                            introducer='false', skipIntroductionRemovals='false', introducedBy='')
        ET.SubElement(dev, 'address').text = f'tcp://127.0.0.1:{other.port}' if side is A else 'dynamic'
        ET.SubElement(dev, 'paused').text = 'false'
        ET.SubElement(dev, 'autoAcceptFolders').text = 'false'
        folder = ET.SubElement(cfg, 'folder', id=FOLDER, label=FOLDER, path=side.notes, type='sendreceive',
                               rescanIntervalS='3600', fsWatcherEnabled='true', fsWatcherDelayS='1',
                               ignorePerms='false', autoNormalize='true')
        ET.SubElement(folder, 'filesystemType').text = 'basic'
        for d in (side.id, other.id):
            ET.SubElement(folder, 'device', id=d, introducedBy='')
        ET.SubElement(folder, 'markerName').text = '.stfolder'
        ET.SubElement(folder, 'maxConflicts').text = '10'
        kids = list(cfg)
        cfg[:] = [k for k in kids if k.tag in ('folder', 'device')] + [k for k in kids if k.tag not in ('folder', 'device')]
        tree.write(path)

def start_syncthing():
    env = dict(os.environ, STNORESTART='1', STNOUPGRADE='1')
    for side in sides:
        side.stlog = open(f'{side.home}/syncthing.log', 'w')
        side.syncthing = start(f'syncthing {side.name}',
                               ['syncthing', 'serve', f'--home={side.st}', '--no-browser', '--no-restart',
                                '--no-upgrade', '--logflags=3'], env=env, stdout=side.stlog,
                               stderr=subprocess.STDOUT)
    connected = lambda: all(s.api('/rest/system/connections')['connections'][o.id]['connected']
                            for s, o in ((A, B), (B, A)))
    return wait(connected, 60)

def idle():
    return all(s.api(f'/rest/db/status?folder={FOLDER}')['state'] == 'idle' and
               s.api(f'/rest/db/status?folder={FOLDER}')['needTotalItems'] == 0 for s in sides)

def stop_all():
    for side in sides:
        if getattr(side, 'syncthing', None) and side.syncthing.poll() is None:
            try:
                side.api('/rest/system/shutdown', 'POST')
            except Exception:
                pass
    for name, p in reversed(procs):
        if p.poll() is None and not name.startswith('syncthing'):
            p.send_signal(signal.SIGTERM)
        try:
            p.wait(15)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()

try:
    # Two notes on A before anything runs; Syncthing brings them to B.
    for name, left, title, text in (('1.pnf', 100, 'Shared', 'start'), ('3.pnf', 500, 'Doomed', 'bye')):
        with open(f'{A.notes}/{name}', 'wb') as f:
            f.write(note_bytes(left, 100, title, text))
    configure_syncthing()
    took = start_syncthing()
    check('Syncthing pair connected over loopback', took is not None, f'{took:.1f} s' if took else 'timeout')
    took = wait(lambda: B.files() == ['1.pnf', '3.pnf'] and idle(), 60)
    check('seed notes reached B', took is not None)
    for side in sides:
        side.start_display()
        side.start_program()
    for side in sides:
        ok = wait(lambda: side.windows('Shared') and side.windows('Doomed'), 30) is not None
        check(f'both notes open on {side.name}', ok)
    shared = {s.name: s.windows('Shared')[0] for s in sides}

    # 1. Edit on A, seen on B: the same window on B shows the new title and text.
    A.type_into(shared['A'], ' edited on A')
    took = wait(lambda: b'edited on A' in open(f'{B.notes}/1.pnf', 'rb').read(), 30)
    check('1. an edit on A reaches B\'s file', took is not None, f'{took:.1f} s after typing' if took else '')
    # Moving the note on A makes the reload visible from outside: B's window
    # follows it.
    x, y = A.place(shared['A'])
    A.x('xdotool', 'mousemove', str(x + 20), str(y + 12), 'mousedown', '1', 'mousemove', str(200 + 20),
        str(y + 12), 'mousemove', str(300 + 20), str(300 + 12), 'mouseup', '1')
    took = wait(lambda: B.place(shared['B']) == (300, 300), 30)
    check('1. B\'s open note shows A\'s edit (same window, moved where A put it)', took is not None,
          f'{took:.1f} s after the move' if took else f'B\'s note at {B.place(shared["B"])}')
    took = wait(lambda: b'edited on A' in open(f'{B.notes}/1.pnf', 'rb').read() and B.files() == A.files(), 10)
    check('1. B wrote nothing over it', took is not None, f'B: {B.files()}')
    wait(idle, 30)

    # 2. Both sides type into the same note at once.
    A.type_into(shared['A'], ' typed on A')
    B.type_into(shared['B'], ' typed on B')
    both = lambda s: b'typed on A' in s.all_text() and b'typed on B' in s.all_text()
    took = wait(lambda: both(A) and both(B) and idle(), 60)
    check('2. both texts are in files on both sides', took is not None,
          f'{took:.1f} s; A: {A.files()}, B: {B.files()}')
    windows = lambda s: len(s.windows('Shared'))
    took = wait(lambda: windows(A) == 2 and windows(B) == 2, 30)
    check('2. both versions are open on both sides', took is not None, f'A {windows(A)}, B {windows(B)} windows')

    # 3. Delete on A (emptied and closed: the note's file goes); B's note closes.
    doomed_b = B.windows('Doomed')[0]
    A.type_into(A.windows('Doomed')[0], '', keys=('ctrl+a', 'Delete', 'Escape'))
    took = wait(lambda: '3.pnf' not in A.files(), 15)
    check('3. the emptied note is gone on A', took is not None)
    took = wait(lambda: not B.windows('Doomed'), 30)
    check('3. the deleted note closes on B', took is not None, f'{took:.1f} s' if took else '')
    wait(idle, 30)

    # Everything stays as it is after both programs end.
    for side in sides:
        side.program.send_signal(signal.SIGTERM)
    for side in sides:
        side.program.wait(20)
    wait(idle, 30)
    for side in sides:
        check(f'after exit on {side.name}: no 3.pnf, both texts kept',
              '3.pnf' not in side.files() and both(side), f'{side.files()}')
finally:
    stop_all()
    if all(results) and results:
        shutil.rmtree(root, ignore_errors=True)
    else:
        print(f'sync-scenario: kept {root} for a look', flush=True)
    passed = sum(1 for r in results if r)
    print(f'{passed} passed, {len(results) - passed} failed', flush=True)
    sys.exit(0 if results and all(results) else 1)
PY
