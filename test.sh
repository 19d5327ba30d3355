#!/usr/bin/env bash
# Sets up and builds the game when needed, then runs every test.
set -euo pipefail
cd "$(dirname "$0")"
# The tests' build fails on any compiler warning.
SPLAT_WARNINGS_AS_ERRORS=ON scripts/setup.sh
# The code as .clang-format writes it (scripts/format.sh fixes a difference).
scripts/check_format.sh
(cd build && ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)")
# The logic again, with the address and undefined-behaviour sanitizers.
scripts/sanitizers.sh
