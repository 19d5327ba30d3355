#!/usr/bin/env bash
# The two ratios the logic's benchmarks are read by, in one run:
#   a refresh against its formatting floor (refresh_bench), and
#   a week against a refresh (week_bench).
# Each time is the fastest of REPS repetitions in each of three rounds, the
# programs taking turns: on a shared machine other work only ever adds to a
# time, so the fastest is the one least disturbed.
#
#   bench/ratios.sh [BUILD_DIR] [REPS]
set -euo pipefail

build=${1:-build}
reps=${2:-20}
for exe in refresh_bench week_bench; do
  [[ -x $build/bench/$exe ]] || { echo "missing $build/bench/$exe: build first" >&2; exit 2; }
done

# fastest NAME PROGRAM: the least real time in ns of benchmark NAME
fastest() {
  "$2" --benchmark_filter="^$1\$" --benchmark_repetitions="$reps" --benchmark_min_time=0.05 2>/dev/null |
    awk -v name="$1" '$1 == name { print $2 }' | sort -n | head -1
}

least() { ((${1:-0} == 0 || $2 < $1)) && echo "$2" || echo "$1"; }
refresh=0 floor=0 week=0 weekRefresh=0
for _ in 1 2 3; do
  refresh=$(least "$refresh" "$(fastest BM_RefreshViews "$build/bench/refresh_bench")")
  floor=$(least "$floor" "$(fastest BM_FormatLabelsFloor "$build/bench/refresh_bench")")
  week=$(least "$week" "$(fastest BM_Week "$build/bench/week_bench")")
  weekRefresh=$(least "$weekRefresh" "$(fastest BM_RefreshViews "$build/bench/week_bench")")
done
awk -v r="$refresh" -v f="$floor" -v w="$week" -v wr="$weekRefresh" 'BEGIN {
  printf "refresh %6d ns, floor %6d ns: a refresh is %.2f floors (target: at most 2)\n", r, f, r / f
  printf "week    %6d ns, refresh %4d ns: a week is %.2f refreshes (target: at most 4.5)\n", w, wr, w / wr
}'
