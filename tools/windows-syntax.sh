#!/usr/bin/env bash
# Compiles every source file a Windows build takes (the Windows branches of
# the platform code included, the X11 and XDG ones left out) for syntax and
# warnings with the MinGW cross compiler and this machine's Qt headers. No
# linking: a check that the code compiles there, not a Windows build.
#   apt-get install g++-mingw-w64-x86-64-posix; tools/windows-syntax.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=${CXX_WIN:-x86_64-w64-mingw32-g++-posix}
command -v "$cxx" >/dev/null || { echo "no $cxx: install g++-mingw-w64-x86-64-posix" >&2; exit 1; }
qt=$(pkg-config --variable=includedir Qt6Core 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
# Generated headers, as CMake would write them, with a stand-in version.
gen=$(mktemp -d)
trap 'rm -rf "$gen"' EXIT
mkdir -p "$gen/app"
sed 's/@[A-Za-z_]*@/0/g' src/app/version.h.in > "$gen/app/version.h"
files=$(find src -name '*.cpp' ! -name '*_x11.cpp' ! -name '*_xdg.cpp' ! -name '*_none.cpp' | sort)
status=0
for f in $files; do
  # Qt's Linux headers disagree with themselves about dllimport; that is theirs.
  out=$("$cxx" -std=c++17 -fsyntax-only -Wall -Wextra -Wno-attributes -DQT_NO_KEYWORDS \
        -DPAPERLET_UPDATE_SERVER='"http://localhost"' -DPAPERLET_WEB_SITE='"http://localhost"' -DPAPERLET_MAIL='"a@b"' \
        -Isrc -I"$gen" -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -I"$qt/QtPrintSupport" "$f" 2>&1) || status=1
  [ -z "$out" ] || { echo "FAIL $f"; echo "$out"; status=1; }
done
[ $status -eq 0 ] && echo "$(echo "$files" | wc -l) files compile for Windows"
exit $status
