#!/usr/bin/env bash
# Sets up, builds and starts Paperlet. Its settings.ini and Notes folder live
# beside the executable, in build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/bin/paperlet
