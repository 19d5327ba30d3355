#!/usr/bin/env bash
# Plays N long games through two splat-script binaries and compares what they
# print byte for byte: run it with the binary from before a change and the one
# from after it.
#
#   scripts/compare_behaviour.sh OLD_SPLAT_SCRIPT NEW_SPLAT_SCRIPT [N]   (N: 10 games)
#
# Game k starts at its own clock, picks difficulty k mod 5 and a season length,
# and plays up to five seasons week by week with `play` (the New game and
# difficulty questions answered yes or no, clocks moving on), doing a few
# management actions drawn from every page each week, some while the match
# runs, and dumping the state after every week. A game that ends closes the
# window; the next one starts afresh. Prints the count of games, lines and
# bytes compared, or the first difference (and keeps that game's script).
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 OLD_SPLAT_SCRIPT NEW_SPLAT_SCRIPT [N]" >&2
  exit 2
fi
old=$(realpath "$1")
new=$(realpath "$2")
games=${3:-10}
cd "$(dirname "$0")/.."  # the sounds are found in ./assets whichever binary runs
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One game's script; every choice comes from a small LCG seeded with k.
make_game() {
  awk -v k="$1" '
    function rnd(n) { seed = (seed * 1103515245 + 12345) % 2147483648; return int(seed / 65536) % n }
    function action(   a) {
      a = rnd(30)
      if (a == 0) return "page 3\nclick playersearch"
      if (a == 1) return "page 3\nclick replace" (1 + rnd(5))
      if (a == 2) return "page 3\nclick coachsearch"
      if (a == 3) return "page 3\nclick replaceyourcoach"
      if (a == 4) return "page 2\nselect shooting " rnd(3)
      if (a == 5) return "page 2\nselect tactics " rnd(3)
      if (a == 6) return "page 2\nclick buytp"
      if (a == 7) return "page 4\nclick pla" (1 + rnd(5)) "\nclick sellweapon\nclick buy" (1 + rnd(3))
      if (a == 8) return "page 4\nclick pla" (1 + rnd(5)) "\nclick buy" (1 + rnd(11))
      if (a == 9) return "page 4\nclick buya" (1 + rnd(6))
      if (a == 10) return "page 4\nclick dxButton" (3 + rnd(5))
      if (a == 11) return "page 0\nclick dxButton" (15 + rnd(5))
      if (a == 12) return "page 1\nclick dxButton" (8 + rnd(4))
      if (a == 13) return "page 1\nclick boost" (1 + rnd(5))
      if (a == 14) return "page 1\nselect pr" (1 + rnd(5)) " " rnd(3)
      if (a == 15) return "page 5\nclick labupgrade"
      if (a == 16) return "page 5\nclick securityupgrade"
      if (a == 17) return "page 5\nclick dxButton12"
      if (a == 18) return "page 5\nclick dxButton13\nclick buychemist"
      if (a == 19) return "page 5\nclick apply" (1 + rnd(4))
      if (a == 20) return "page 5\nclick dump" (1 + rnd(4))
      if (a == 21) return "page 6\nclick team" (1 + rnd(10)) "\ndump currentteam"
      if (a == 22) return "click SoundOff1"
      if (a == 23) return "click MusicOff1"
      if (a == 24) return "click " (rnd(2) ? "About1" : "Button1")
      if (a == 25) return "page 8\nclick " (rnd(2) ? "fastaction" : "slowaction")
      if (a == 26) return "page " rnd(9)
      if (a == 27) return "click Options\ntype text Team " rnd(1000) "\nclick dxButton1"
      if (a == 28) return "answer " (rnd(2) ? "yes" : "no") "\nselect RadioGroup1 " rnd(5)
      return "page 8\nclick Start"
    }
    BEGIN {
      seed = k * 7919 + 17
      clock = 1000000000 + k * 86413 * 37
      print "clock " clock
      print "answer yes\nselect RadioGroup1 " (k % 5)
      print "type deadline " (20 + rnd(4) * 5) "\nclick dxButton2"
      print "click dxButton1"
      for (week = 1; week <= 5 * 35; ++week) {
        clock += 3600 + rnd(604800)
        print "clock " clock
        for (n = rnd(4); n > 0; --n) print action()
        print "page 8\nclick Start"
        if (rnd(3) == 0) { print "tick " rnd(40) "\ndump action1\n" action() "\ndump lbltime" }
        print "play\ndump state"
        if (rnd(60) == 0) print "answer " (rnd(3) ? "yes" : "no") "\nclick Newgame1\ndump state"
      }
      print "dump view"
    }'
}

lines=0
bytes=0
matches=0
seasons=0
for ((k = 1; k <= games; ++k)); do
  make_game "$k" >"$tmp/game$k.script"
  "$old" "$tmp/game$k.script" >"$tmp/old" 2>&1 || echo "exit status $?" >>"$tmp/old"
  "$new" "$tmp/game$k.script" >"$tmp/new" 2>&1 || echo "exit status $?" >>"$tmp/new"
  if ! cmp -s "$tmp/old" "$tmp/new"; then
    keep=$(mktemp --suffix=.script)
    cp "$tmp/game$k.script" "$keep"
    echo "game $k differs (its script: $keep): $(cmp "$tmp/old" "$tmp/new" | sed 's/^.*differ: //' || true)"
    echo "the first difference, the state's fields a line each (- old, + new):"
    diff -u --label old --label new <(sed 's/,"/,\n    "/g' "$tmp/old") <(sed 's/,"/,\n    "/g' "$tmp/new") |
      head -n 40 || true
    echo "compared $((k - 1)) games identical before game $k"
    exit 1
  fi
  lines=$((lines + $(wc -l <"$tmp/old")))
  bytes=$((bytes + $(wc -c <"$tmp/old")))
  matches=$((matches + $(grep -c '^dialog Tresults ' "$tmp/old" || true)))
  seasons=$((seasons + $(grep -c '^dialog Tendseason ' "$tmp/old" || true)))
done
echo "compared $games games ($matches matches, $seasons season ends, $lines lines, $bytes bytes): identical"
