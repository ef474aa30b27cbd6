#!/usr/bin/env bash
# Installs what is missing, builds Hobwatch in build/ and starts it. Its settings file,
# Hobwatch.txt, lives beside the program: build/app/Hobwatch.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target hobwatch
exec build/app/hobwatch
