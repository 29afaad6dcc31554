#!/usr/bin/env bash
# startup.sh [BUILD_DIR] [RUNS]
# Whole-process start-up time of Paperlet with no notes, from exec until its
# tray icon is embedded in the tray host, against a bare Qt program that only
# shows one tray icon. Runs the two alternately (RUNS pairs, default 15) and
# prints each median and the median of the per-pair ratios.
# Needs a built tree (paperlet, bare_tray and tray_ready in BUILD_DIR/bin).
# Without DISPLAY it runs itself under tests/e2e/with-display.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}

if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tests/e2e/with-display.sh" "$0" "$build" "$runs"
fi

for tool in paperlet bare_tray tray_ready; do
  [ -x "$build/bin/$tool" ] || { echo "startup.sh: $build/bin/$tool is not built" >&2; exit 1; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/paperlet-startup.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/app" "$scratch/home" "$scratch/config" "$scratch/cache"
mkdir -m 700 "$scratch/run"
cp "$build/bin/paperlet" "$scratch/app/"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
export XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=xcb

measure() { "$build/bin/tray_ready" "$@"; }

# One start of each to warm the caches; Paperlet writes its settings.ini and
# Notes here, so the timed starts are ordinary starts with no notes.
measure "$scratch/app/paperlet" >/dev/null
measure "$build/bin/bare_tray" >/dev/null

: >"$scratch/times"
for ((i = 1; i <= runs; i++)); do
  # Alternate which goes first, so drift hits both alike.
  if ((i % 2)); then
    p=$(measure "$scratch/app/paperlet"); b=$(measure "$build/bin/bare_tray")
  else
    b=$(measure "$build/bin/bare_tray"); p=$(measure "$scratch/app/paperlet")
  fi
  echo "$p $b" >>"$scratch/times"
  printf 'run %2d: paperlet %7.1f ms  bare %7.1f ms\n' "$i" "$p" "$b"
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
pm=$(awk '{ print $1 }' "$scratch/times" | median)
bm=$(awk '{ print $2 }' "$scratch/times" | median)
rm=$(awk '{ print $1 / $2 }' "$scratch/times" | median)
printf 'median over %d interleaved runs: paperlet %.1f ms, bare Qt tray %.1f ms, ratio %.2f\n' "$runs" "$pm" "$bm" "$rm"
