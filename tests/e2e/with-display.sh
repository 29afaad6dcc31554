#!/usr/bin/env bash
# with-display.sh COMMAND...
# Runs COMMAND with DISPLAY set to a private Xvfb on a free display that has a
# tray host (trayer). Stops exactly the processes it started, by PID, whatever
# way COMMAND ends. Without Xvfb the command runs with no display, and the
# end-to-end tests skip.
set -uo pipefail

started=()
workdir=$(mktemp -d "${TMPDIR:-/tmp}/paperlet-display.XXXXXX")

cleanup() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null
    for _ in $(seq 50); do kill -0 "${started[i]}" 2>/dev/null || break; sleep 0.05; done
    kill -9 "${started[i]}" 2>/dev/null
    wait "${started[i]}" 2>/dev/null
  done
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Polls CONDITION every 50 ms for up to SECONDS.
wait_for() {
  local seconds=$1; shift
  local tries=$((seconds * 20))
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

if command -v Xvfb >/dev/null && command -v trayer >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$workdir/display" 2>"$workdir/xvfb.log" &
  started+=($!)
  if wait_for 10 test -s "$workdir/display"; then
    export DISPLAY=":$(tr -d '[:space:]' <"$workdir/display")"
    wait_for 10 xdpyinfo
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
      --transparent false --tint 0xffffff >"$workdir/trayer.log" 2>&1 &
    started+=($!)
    if ! wait_for 10 sh -c 'xwininfo -root -tree | grep -q "(\"panel\" \"trayer\")"'; then
      echo "with-display: trayer did not come up" >&2
      cat "$workdir/trayer.log" >&2
    fi
    echo "with-display: DISPLAY=$DISPLAY (Xvfb pid ${started[0]}, trayer pid ${started[1]:-none})"
  else
    echo "with-display: Xvfb did not start; end-to-end tests will skip" >&2
    cat "$workdir/xvfb.log" >&2
    unset DISPLAY
  fi
else
  echo "with-display: no Xvfb/trayer; end-to-end tests will skip" >&2
  unset DISPLAY
fi

export PAPERLET_E2E_ARTIFACTS=${PAPERLET_E2E_ARTIFACTS:-$PWD/build/tests/e2e-artifacts}
mkdir -p "$PAPERLET_E2E_ARTIFACTS"
"$@"
