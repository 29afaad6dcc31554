#!/usr/bin/env bash
# run.sh [BUILD_DIR] [-- extra series options]
# Many notes at once: start-up, memory, idle wake-ups and SIGTERM of the built
# program against the bare Qt program (floor-noactivate), with the shared
# bench harness (copied to a scratch folder, since it builds and writes there).
# Prints the report table; the raw runs stay in $WORK/results.
#
#   bench/notes/run.sh /work/build-notes
#   KINDS=floor-noactivate,paperlet NS=0,200 REPS=3 bench/notes/run.sh build
# The kind paperlet-pictures is Paperlet with a stored 1600 x 900 screenshot
# in every tenth note (add_pictures.py), each decoded at start;
# paperlet-pictures-warm the same with the shown pictures already in the
# cache folder, as at every start after the first. Against plain notes:
#   KINDS=paperlet,paperlet-pictures,paperlet-pictures-warm NS=200 BASELINE=paperlet bench/notes/run.sh build
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
shared=${BENCH_SOURCE:-$repo/../shared/bench}
work=${WORK:-$(mktemp -d /tmp/paperlet-bench.XXXXXX)}
kinds=${KINDS:-floor-noactivate,paperlet}
ns=${NS:-0,50,200,500}
reps=${REPS:-5}
baseline=${BASELINE:-floor-noactivate}

export PAPERLET_BIN=$build/bin/paperlet
[ -x "$PAPERLET_BIN" ] || { echo "no program at $PAPERLET_BIN: build it first" >&2; exit 1; }
[ -d "$shared" ] || { echo "no bench harness at $shared (set BENCH_SOURCE)" >&2; exit 1; }

# A display number nobody uses, never a fixed one.
display=
for n in $(seq 140 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }

cp -r "$shared/." "$work/"
cp "$here/paperlet-pictures.sh" "$here/paperlet-pictures-warm.sh" "$work/adapters/"
cp "$here/add_pictures.py" "$work/gen/"
cd "$work"
./bench.sh build >/dev/null
./bench.sh --display "$display" xenv start
trap './bench.sh --display "$display" xenv stop >/dev/null 2>&1 || true' EXIT
mkdir -p results
./bench.sh --display "$display" series --kinds "$kinds" --ns "$ns" --reps "$reps" --out results/notes.jsonl
./bench.sh report results/notes.jsonl --baseline "$baseline"
