#!/usr/bin/env bash
# Fuzzes the settings file reader and writer with libFuzzer (needs clang and
# its runtime: apt-get install clang libclang-rt-14-dev). Builds the target in
# ./build-fuzz and runs it for SECONDS (default 60) on a copy of the corpus in
# tests/fuzz/corpus; new inputs it finds stay in build-fuzz/corpus.
#   scripts/fuzz_settings.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSPLAT_WITH_QT=OFF -DSPLAT_WITH_AUDIO=OFF -DSPLAT_FUZZ=ON \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
fi
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)" --target settings_fuzz

mkdir -p build-fuzz/corpus
cp -n tests/fuzz/corpus/* build-fuzz/corpus/
build-fuzz/tests/fuzz/settings_fuzz -max_total_time="$seconds" -max_len=4096 -timeout=5 \
  -print_final_stats=1 build-fuzz/corpus
