#!/usr/bin/env bash
# Start-up of the game against a bare Qt window with as many plain labels as
# the game's window has controls and the two pictures of the game's first
# frame (and against the same window with the labels alone), in the same run: the time from exec until the main window has painted
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
# The programs take turns in an order that changes every run, so that a
# change in the machine's load during the run falls on each alike.
read -r bare_ms labels_ms game_ms < <(python3 - "$bare" "$game" "$runs" <<'PY'
import statistics, subprocess, sys, time
bare, game, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
programs = [[bare], [bare, "--labels-only"], [game]]
def once(cmd):
    t = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return (time.perf_counter() - t) * 1000
for cmd in programs + programs[::-1]:  # warm-up
    once(cmd)
times = [[] for _ in programs]
for i in range(runs):
    order = list(range(len(programs)))
    order = order[i % 3:] + order[:i % 3]
    if i % 2: order.reverse()
    for k in order:
        times[k].append(once(programs[k]))
print(" ".join(f"{statistics.median(t):.1f}" for t in times))
PY
)

echo "== peak memory (median of $runs runs)"
peak() {
  local i
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1
    cat "$work/rss"
  done | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}
bare_kb=$(peak "$bare")
labels_kb=$(peak "$bare" --labels-only)
game_kb=$(peak "$game")

python3 - "$bare_ms" "$labels_ms" "$game_ms" "$bare_kb" "$labels_kb" "$game_kb" <<'PY'
import sys
bare_ms, labels_ms, game_ms, bare_kb, labels_kb, game_kb = map(float, sys.argv[1:])
t, m = game_ms / bare_ms, game_kb / bare_kb
print(f"{'':24}{'time ms':>10}{'peak MiB':>10}")
print(f"{'bare_window':24}{bare_ms:10.1f}{bare_kb/1024:10.1f}")
print(f"{'bare_window --labels-only':24}{labels_ms:10.1f}{labels_kb/1024:10.1f}")
print(f"{'splat-league':24}{game_ms:10.1f}{game_kb/1024:10.1f}")
print(f"{'ratio to bare_window':24}{t:10.2f}{m:10.2f}   (target: at most 1.50 each)")
print(f"{'ratio to labels only':24}{game_ms/labels_ms:10.2f}{game_kb/labels_kb:10.2f}   (the pictures' share: "
      f"{bare_ms/labels_ms:.2f}, {bare_kb/labels_kb:.2f})")
sys.exit(0 if t <= 1.5 and m <= 1.5 else 1)
PY
