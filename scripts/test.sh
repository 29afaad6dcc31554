#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and widget tests offscreen, and the
# end-to-end tests in a private X server with a tray host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
tests/e2e/with-display.sh ctest --test-dir build --output-on-failure -j2 "$@"
