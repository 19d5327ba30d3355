#!/usr/bin/env bash
# Builds the game logic, the driver, the logic tests, the monkey and the
# settings corpus with the address and undefined-behaviour sanitizers in
# ./build-asan (no window, no sound) and runs their tests there. Any finding
# ends the program that made it, so its test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# GCC's maybe-uninitialized check misfires inside the standard library when
# the sanitizers instrument it, so it is left to the plain build.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPLAT_WITH_QT=OFF -DSPLAT_WITH_AUDIO=OFF \
  -DSPLAT_WARNINGS_AS_ERRORS=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -Wno-maybe-uninitialized" \
  "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs" --target logic_tests splat-script splat-monkey settings_replay

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
ctest --output-on-failure -j"$jobs"
