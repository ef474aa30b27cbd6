#!/usr/bin/env bash
# Installs what is missing, makes a release build with Debian's hardening flags in build-deb/
# (or the folder given) and the Debian package hobwatch_<version>_<arch>.deb in that folder.
# Usage: package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-deb}")

scripts/install-deps.sh package

source scripts/debian_build_flags.sh
# The package's files and folders get their permissions from the build's.
umask 022
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr "${debian_build_flags[@]}" >/dev/null
cmake --build "$build"
rm -f "$build"/hobwatch_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$build" >"$build/cpack.log" ||
    { cat "$build/cpack.log"; exit 1; }
ls "$build"/hobwatch_*.deb
