#!/usr/bin/env bash
# Draws the game's icon: a scalable SVG (a paint splat on the navy of the
# banner) and PNG renderings of it at every size the desktop asks for, laid out
# as a hicolor icon theme under desktop/icons/. The smallest sizes are drawn
# from a plainer variant without the loose droplets, which would only blur
# there. Everything is computed from a fixed seed, so running the script again
# gives the same files.
#
# Needs: mawk or gawk, librsvg2-bin (rsvg-convert), coreutils.
# Usage: scripts/make_icons.sh [output-folder]   (default: desktop/icons/)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=${1:-"$ROOT/desktop/icons"}
ID=local.splatleague.SplatLeague
SIZES=(16 24 32 48 64 128 256 512)
SMALL_UP_TO=24

command -v rsvg-convert >/dev/null || { echo "rsvg-convert is needed (install librsvg2-bin)" >&2; exit 1; }
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# svg DETAIL: writes the icon on a 512 x 512 canvas. DETAIL 1 adds the
# droplets and the second, smaller splat.
svg() {
  awk -v detail="$1" '
  function rnd() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
  function rr(a, b) { return a + (b - a) * rnd() }
  function circ(x, y, r) { printf "    <circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\"/>\n", x, y, r }
  # A splat: a round body with lobes, tapered spikes ending in drops, and
  # (with detail) loose droplets around it.
  function splat(cx, cy, r, spikes, droplets,   i, n, a, d, len, w, bx, by, px, py, tx, ty) {
    circ(cx, cy, r)
    n = 9
    for (i = 0; i < n; i++) {
      a = 6.28318 * i / n + rr(-0.25, 0.25); d = r * rr(0.55, 0.8)
      circ(cx + d * cos(a), cy + d * sin(a), r * rr(0.32, 0.48))
    }
    for (i = 0; i < spikes; i++) {
      a = 6.28318 * (i + rr(0.1, 0.9)) / spikes; len = r * rr(1.3, 1.75); w = r * rr(0.13, 0.19)
      bx = cx + 0.6 * r * cos(a); by = cy + 0.6 * r * sin(a)
      px = -sin(a); py = cos(a)
      tx = cx + len * cos(a); ty = cy + len * sin(a)
      printf "    <polygon points=\"%.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\"/>\n", \
        bx + px * w * 1.6, by + py * w * 1.6, tx + px * w * 0.4, ty + py * w * 0.4, \
        tx - px * w * 0.4, ty - py * w * 0.4, bx - px * w * 1.6, by - py * w * 1.6
      circ(tx, ty, w * 0.85)
    }
    for (i = 0; i < droplets; i++) {
      a = rr(0, 6.28318); d = r * rr(1.45, 1.9)
      circ(cx + d * cos(a), cy + d * sin(a), r * rr(0.05, 0.1))
    }
  }
  BEGIN {
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    print "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"512\" height=\"512\" viewBox=\"0 0 512 512\">"
    print "  <defs>"
    print "    <linearGradient id=\"sky\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
    print "      <stop offset=\"0\" stop-color=\"#2b3f7a\"/><stop offset=\"1\" stop-color=\"#141d3d\"/>"
    print "    </linearGradient>"
    print "    <linearGradient id=\"paint\" gradientUnits=\"userSpaceOnUse\" x1=\"150\" y1=\"110\" x2=\"360\" y2=\"420\">"
    print "      <stop offset=\"0\" stop-color=\"#ffc23a\"/><stop offset=\"1\" stop-color=\"#f2661b\"/>"
    print "    </linearGradient>"
    print "    <linearGradient id=\"lime\" gradientUnits=\"userSpaceOnUse\" x1=\"360\" y1=\"330\" x2=\"450\" y2=\"450\">"
    print "      <stop offset=\"0\" stop-color=\"#a6f04a\"/><stop offset=\"1\" stop-color=\"#3fbf3a\"/>"
    print "    </linearGradient>"
    print "  </defs>"
    print "  <rect x=\"16\" y=\"16\" width=\"480\" height=\"480\" rx=\"96\" fill=\"url(#sky)\"/>"
    print "  <rect x=\"16\" y=\"16\" width=\"480\" height=\"480\" rx=\"96\" fill=\"none\" stroke=\"#0b1026\" stroke-opacity=\"0.55\" stroke-width=\"8\"/>"
    seed = 20261208
    print "  <g fill=\"url(#paint)\">"
    splat(246, 244, detail ? 92 : 104, 7, detail ? 9 : 0)
    print "  </g>"
    if (detail) {
      print "  <g fill=\"url(#lime)\">"
      splat(392, 392, 30, 5, 4)
      print "  </g>"
    }
    # The shine of wet paint.
    print "  <ellipse cx=\"212\" cy=\"206\" rx=\"34\" ry=\"20\" transform=\"rotate(-35 212 206)\" fill=\"#fff6d8\" fill-opacity=\"0.75\"/>"
    print "</svg>"
  }'
}

mkdir -p "$OUT/hicolor/scalable/apps"
svg 1 >"$OUT/hicolor/scalable/apps/$ID.svg"
svg 0 >"$TMP/small.svg"
for size in "${SIZES[@]}"; do
  src="$OUT/hicolor/scalable/apps/$ID.svg"
  ((size <= SMALL_UP_TO)) && src="$TMP/small.svg"
  mkdir -p "$OUT/hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$OUT/hicolor/${size}x${size}/apps/$ID.png" "$src"
done
echo "icons written to $OUT/hicolor"
