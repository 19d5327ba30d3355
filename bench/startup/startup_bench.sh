#!/usr/bin/env bash
# Start-up of the game against a bare Qt window with as many plain labels as
# the game's window has controls and the two pictures of the game's first
# frame, in the same run: the time from exec until the main window has painted
# its first frame, and the peak memory.
#
#   bench/startup/startup_bench.sh [BUILD_DIR] [RUNS]
#
# Needs python3 and GNU time (/usr/bin/time). Runs on the offscreen platform,
# with SDL's silent sound driver.
# Exits non-zero when the game takes more than 1.5 times the bare window's
# time or memory.
set -euo pipefail

build=${1:-build}
runs=${2:-30}
game=$(realpath "$build/splat-league")
bare=$(realpath "$build/bench/bare_window")
for exe in "$game" "$bare"; do
  [[ -x $exe ]] || { echo "missing $exe: build first (cmake --build $build)" >&2; exit 2; }
done
command -v python3 >/dev/null || { echo "python3 is not installed" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "GNU time (/usr/bin/time) is not installed" >&2; exit 2; }

export QT_QPA_PLATFORM=offscreen
export SPLAT_EXIT_AFTER_FIRST_FRAME=1
# Headless sound as well as headless video: no probing for sound cards.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Keep the player's settings file out of it.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
work=$(mktemp -d)
trap 'rm -rf "$work" "$XDG_CONFIG_HOME"' EXIT

echo "== time to first frame (median of $runs runs each, interleaved, offscreen)"
# The two programs take turns (ABBA), so that a change in the machine's load
# during the run falls on both alike.
read -r bare_ms game_ms < <(python3 - "$bare" "$game" "$runs" <<'PY'
import statistics, subprocess, sys, time
bare, game, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
def once(exe):
    t = time.perf_counter()
    subprocess.run([exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - t) * 1000
for exe in (bare, game, bare, game):  # warm-up
    once(exe)
times = {bare: [], game: []}
for i in range(runs):
    order = (bare, game) if i % 2 == 0 else (game, bare)
    for exe in order:
        times[exe].append(once(exe))
print(f"{statistics.median(times[bare]):.1f} {statistics.median(times[game]):.1f}")
PY
)

echo "== peak memory (median of $runs runs)"
peak() {
  local exe=$1 i
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%M' -o "$work/rss" "$exe" >/dev/null 2>&1
    cat "$work/rss"
  done | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}
bare_kb=$(peak "$bare")
game_kb=$(peak "$game")

python3 - "$bare_ms" "$game_ms" "$bare_kb" "$game_kb" <<'PY'
import sys
bare_ms, game_ms, bare_kb, game_kb = map(float, sys.argv[1:])
t, m = game_ms / bare_ms, game_kb / bare_kb
print(f"{'':14}{'time ms':>10}{'peak MiB':>10}")
print(f"{'bare_window':14}{bare_ms:10.1f}{bare_kb/1024:10.1f}")
print(f"{'splat-league':14}{game_ms:10.1f}{game_kb/1024:10.1f}")
print(f"{'ratio':14}{t:10.2f}{m:10.2f}   (target: at most 1.50 each)")
sys.exit(0 if t <= 1.5 and m <= 1.5 else 1)
PY
