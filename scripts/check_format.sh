#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as .clang-format says
# (Debian's clang-format 14; another version may format differently). Prints
# the files that differ and fails; scripts/format.sh formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null; then
  echo "check_format: $clang_format not found (apt-get install clang-format)" >&2
  exit 2
fi
"$clang_format" --dump-config >/dev/null  # a broken .clang-format stops here, with the reason

# One clang-format per file, so that the names printed never interleave.
# shellcheck disable=SC2016 # the inner shell expands $0 and $1
files=$(git ls-files -z -- '*.cpp' '*.h' |
  xargs -0 -P "$(nproc 2>/dev/null || echo 2)" -I{} \
    sh -c '"$0" --dry-run --Werror "$1" >/dev/null 2>&1 || echo "$1"' "$clang_format" {} | sort)
if [ -z "$files" ]; then exit 0; fi
echo "These files are not formatted as .clang-format says:"
while read -r f; do echo "  $f"; done <<<"$files"
echo "Format them with scripts/format.sh (all tracked C++ files) or scripts/format.sh FILE..."
exit 1
