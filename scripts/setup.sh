#!/usr/bin/env bash
# Installs what is missing (Debian 12), configures and builds Paperlet in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libxcb1-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libbenchmark-dev clang libclang-rt-14-dev
  xvfb trayer openbox xfwm4 xcompmgr xdotool x11-utils x11-xserver-utils imagemagick poppler-utils
  libx11-dev libxdamage-dev python3 syncthing
  dpkg-dev file lintian appstream
  dbus-daemon xfce4-panel
  fonts-wine
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-dbus python3-gi
  sway swaybg xwayland wtype grim mutter
  libkf5globalaccel-bin xdg-desktop-portal xdg-desktop-portal-kde libreoffice-writer-nogui xclip
  xpad unzip
)
scripts/install-packages.sh "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
