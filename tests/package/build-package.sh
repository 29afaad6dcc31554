#!/usr/bin/env bash
# The package test's first step: builds build/paperlet_<version>_<arch>.deb
# with scripts/package.sh. Skipped (77) where the package could not be
# installed afterwards anyway.
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing the package system-wide needs root (CI runs as root)"
  exit 77
fi
exec "$(dirname "$0")/../../scripts/package.sh"
