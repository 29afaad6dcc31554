#!/usr/bin/env bash
# Builds the Debian package: installs what is missing (Debian 12), builds
# Release with PAPERLET_PACKAGED in build-pkg/ and writes
# build/paperlet_<version>_<arch>.deb. Install it with
#   apt-get install ./build/paperlet_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libxcb1-dev qt6-tools-dev qt6-l10n-tools dpkg-dev file)
scripts/install-packages.sh "${packages[@]}"

# Debian's hardening flags (fortified functions, immediate binding, ...),
# without debug information: the package's executable is stripped anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { local f out=(); for f in $(dpkg-buildflags --get "$1"); do [ "$f" = -g ] || out+=("$f"); done; echo "${out[*]}"; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DPAPERLET_PACKAGED=ON \
  -DPAPERLET_BUILD_TESTS=OFF "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
# Only what the package holds: the tools and benchmarks stay out.
cmake --build build-pkg -j"$(nproc)" --target paperlet paperlet_package_files
rm -rf build-pkg/package
(cd build-pkg && cpack -G DEB)
mkdir -p build
debs=(build-pkg/package/paperlet_*.deb)
cp "${debs[@]}" build/
echo "Wrote build/$(basename "${debs[0]}")"
