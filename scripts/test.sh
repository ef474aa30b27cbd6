#!/usr/bin/env bash
# Installs what is missing, then runs every check: the format, the plain C++ tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the sound thread under ThreadSanitizer, the
# fuzzers, and the whole test suite (unit, window, sound, end-to-end and install tests) on a
# normal build.
set -euo pipefail
cd "$(dirname "$0")/.."

step() { printf '\n=== %s\n' "$*"; }

scripts/install-deps.sh test

step "Format (clang-format)"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

step "Plain C++ tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DHOBWATCH_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j2

step "The sound thread under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DHOBWATCH_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" >/dev/null
cmake --build build-tsan --target sound_tests
ctest --test-dir build-tsan --output-on-failure -R '^sound\.'

step "Fuzzers (libFuzzer, 60 s each)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DHOBWATCH_BUILD_UI=OFF -DBUILD_TESTING=OFF \
    -DHOBWATCH_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build build-fuzz
ctest --test-dir build-fuzz --output-on-failure -j2

step "Whole test suite"
# Built as the Debian package is, so that the package test makes the package from this build.
source scripts/debian_build_flags.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${debian_build_flags[@]}" >/dev/null
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j2
