#!/usr/bin/env bash
# Formats C++ files in place as .clang-format says: the files given, or every
# tracked C++ file. scripts/check_format.sh checks without changing anything.
set -euo pipefail
clang_format=${CLANG_FORMAT:-clang-format}
if [ $# -gt 0 ]; then
  exec "$clang_format" -i -- "$@"
fi
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -n 16 -P "$(nproc 2>/dev/null || echo 2)" "$clang_format" -i
