#!/usr/bin/env bash
# Builds the Debian package build/kvc7345_VERSION_ARCH.deb: the program, its browser and charts
# modules, the simulator, the shipped data, the manual, the desktop entry, the icons, the man page
# and the bash completion. Its dependencies are found by dpkg-shlibdeps in the binaries.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${KVC7345_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target kvc7345 kvc7345browser kvc7345charts kvc7345-modsim \
    kvc7345manual kvc7345commanddocs kvc7345icons
rm -f "$build"/kvc7345_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/kvc7345_*.deb
