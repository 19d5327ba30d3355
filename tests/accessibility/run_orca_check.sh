#!/usr/bin/env bash
# Runs orca_check.py: the game, Orca and a speech server whose voice writes
# each utterance to a file once it has been said in full (a line cut short by
# the screen reader is not written), under a virtual display, a private D-Bus
# session and its own AT-SPI bus. Exit 77 (skipped) when a tool is missing;
# scripts/setup.sh installs them all.
#
#   tests/accessibility/run_orca_check.sh GAME_EXECUTABLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")

for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3 orca speech-dispatcher \
  /usr/lib/speech-dispatcher-modules/sd_generic openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }

home=$(mktemp -d /tmp/splat-orca.XXXXXX)
trap 'rm -rf "$home" 2>/dev/null || true' EXIT
mkdir -p "$home/config/speech-dispatcher/modules" "$home/run"
chmod 700 "$home/run"
# The voice: says 80 characters a second, then writes what it said.
cat >"$home/say.sh" <<'SAY'
#!/bin/sh
sleep "$(awk -v n="${#1}" 'BEGIN { printf "%.2f", n / 80 }')"
printf '%s\n' "$1" >>"$SPLAT_SPOKEN"
SAY
chmod +x "$home/say.sh"
cat >"$home/config/speech-dispatcher/speechd.conf" <<CONF
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
LanguageDefaultModule "en" "file"
AudioOutputMethod "alsa"
AudioALSADevice "null"
Timeout 0
CONF
cat >"$home/config/speech-dispatcher/modules/file.conf" <<CONF
GenericExecuteSynth "$home/say.sh \'\$DATA\'"
AddVoice "en" "MALE1" "en"
GenericLanguage "en" "en" "utf-8"
GenericStripPunctChars ""
CONF

export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
export SPLAT_SPOKEN="$home/spoken.txt" NO_AT_BRIDGE=0
# The game paces what it says for this voice.
export SPLAT_SPEECH_RATE=80
# One attempt: a fresh display, session, Orca and speech file.
attempt() {
  rm -f "$SPLAT_SPOKEN"
  # shellcheck disable=SC2016
  xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    pids=($!)
    openbox >/dev/null 2>&1 &
    pids+=($!)
    trap "kill \${pids[*]} 2>/dev/null || true" EXIT
    orca --replace >"$HOME/orca.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$SPLAT_SPOKEN" ] && break; sleep 0.1; done
    [ -s "$SPLAT_SPOKEN" ] || { echo "Orca did not start:"; cat "$HOME/orca.log"; exit 1; }
    timeout -k 5 280 /usr/bin/python3 "$1" "$2" "$SPLAT_SPOKEN"
  ' run_orca_check "$here/orca_check.py" "$game" 2> >(grep -v -e "Failed to set fd limit" -e "XDG_RUNTIME_DIR" -e "dbus-daemon" >&2)
}
# Orca on a loaded machine now and then stops answering the session (it then
# hears nothing at all); a second attempt in a fresh session tells that apart
# from a fault of the game, which fails both.
attempt || { echo "== the first attempt failed; once more in a fresh session"; attempt; }
