#!/usr/bin/env bash
# run.sh [BUILD_DIR]
# Opens one large note file at a time, as start-up opens a stored note, and
# prints for each: time of the open call, time to the note window's first
# paint, the event loop's longest stall, peak and final resident memory.
# Each run is a fresh process, killed after CAP seconds (default 90): a run
# that never painted in time shows as "killed".
#
#   bench/big_note/run.sh build
#   SIZES="5 20" KINDS="note lines" CAP=30 bench/big_note/run.sh build
# Without DISPLAY it runs itself under tests/e2e/with-display.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
sizes=${SIZES:-5 20 50}
kinds=${KINDS:-note paragraphs lines junk}
cap=${CAP:-90}

if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tests/e2e/with-display.sh" "$0" "$build"
fi
bench=$build/bin/bench_big_note
[ -x "$bench" ] || { echo "run.sh: $bench is not built" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/paperlet-bignote.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/cache" "$scratch/Notes"
mkdir -m 700 "$scratch/run"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
export XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=xcb LIMIT=$cap

printf '%-10s %5s  %s\n' kind MB result
for kind in $kinds; do
  for mb in $sizes; do
    file=$scratch/Notes/big.pnf
    "$bench" make "$file" "$kind" "$mb"
    before=$(sha1sum "$file")
    started=$(date +%s.%N)
    if line=$(timeout -s KILL "$((cap + 10))" "$bench" open "$file"); then :; else
      line=$(awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "killed after %.0f s", e - s }')
    fi
    [ "$(sha1sum "$file")" = "$before" ] || line="$line FILE-CHANGED"
    printf '%-10s %5s  %s\n' "$kind" "$mb" "$line"
    rm -f "$file"
  done
done
