#!/usr/bin/env bash
# Records the behaviour corpus again: plays every tests/behaviour/*.script
# through splat-script and writes its output to the .out file beside it.
#
#   tests/behaviour/record.sh [SPLAT_SCRIPT]      (default build/tools/splat-script)
#
# Record only when the game is meant to behave differently (a new script, or a
# change of behaviour asked for), and read the diff of the .out files before
# committing them. The test Behaviour.<name> compares against these files.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "${1:-$here/../../build/tools/splat-script}")
for script in "$here"/*.script; do
  "$here/replay.sh" "$exe" "$script" >"${script%.script}.out"
  if grep -q '^error: ' "${script%.script}.out"; then
    echo "$(basename "$script"): $(grep -c '^error: ' "${script%.script}.out") error lines (deliberate?)"
  fi
done
du -ch "$here"/*.out | tail -n 1
