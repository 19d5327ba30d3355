#!/usr/bin/env bash
# Runs atspi_check.py against the game under a virtual display, a private
# D-Bus session and its own AT-SPI bus. Exit 77 (skipped) when a tool is
# missing; scripts/setup.sh installs them all.
#
#   tests/accessibility/run_atspi_check.sh GAME_EXECUTABLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")

for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

export NO_AT_BRIDGE=0
# shellcheck disable=SC2016
exec xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  trap "kill $launcher 2>/dev/null || true" EXIT
  timeout -k 5 170 /usr/bin/python3 "$1" "$2"
' run_atspi_check "$here/atspi_check.py" "$game" 2> >(grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR" >&2)
