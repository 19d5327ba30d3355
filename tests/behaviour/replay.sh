#!/usr/bin/env bash
# Plays one behaviour script through a splat-script binary and prints what it
# printed; with EXPECTED, compares that byte for byte with the recorded output
# instead and prints a unified diff when they differ.
#
#   tests/behaviour/replay.sh SPLAT_SCRIPT SCRIPT [EXPECTED]
#
# A script's first line may give the driver's arguments:
#   # splat-script --clock 1234 --settings @SETTINGS@
# @SETTINGS@ becomes a fresh temporary file, a copy of SCRIPT's sibling .ini
# when there is one; the file as the run left it is printed after the output.
# A non-zero exit status is printed too. The run happens in the source tree's
# root, so the game finds its sounds whichever binary it is.
set -euo pipefail
exe=$(realpath "$1")
script=$(realpath "$2")
expected=${3:+$(realpath "$3")}
cd "$(dirname "$0")/../.."

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
args=()
header=$(head -n 1 "$script")
if [[ $header == "# splat-script "* ]]; then
  read -ra args <<<"${header#"# splat-script "}"
fi
settings=""
for i in "${!args[@]}"; do
  if [[ ${args[$i]} == @SETTINGS@ ]]; then
    settings=$tmp/settings.ini
    args[i]=$settings
    if [ -f "${script%.script}.ini" ]; then cp "${script%.script}.ini" "$settings"; fi
  fi
done

play() {
  local status=0
  "$exe" "${args[@]}" "$script" || status=$?
  if [ "$status" -ne 0 ]; then echo "exit status $status"; fi
  if [ -n "$settings" ]; then
    echo "--- settings file"
    if [ -f "$settings" ]; then cat "$settings"; else echo "(none)"; fi
  fi
}

if [ -z "$expected" ]; then
  play
  exit 0
fi
play >"$tmp/actual"
if ! cmp -s "$expected" "$tmp/actual"; then
  # The state and view lines are long: the diff shows them a field a line.
  split() { sed 's/,"/,\n    "/g' "$1"; }
  echo "$(basename "$script"): the output differs from $(basename "$expected") (- recorded, + now):"
  diff -u --label recorded --label now <(split "$expected") <(split "$tmp/actual") | head -n 200 || true
  exit 1
fi
