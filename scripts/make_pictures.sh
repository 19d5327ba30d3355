#!/usr/bin/env bash
# Draws every picture of the game (banner, page backgrounds, markers, orbs and
# the dialog pictures) with ImageMagick and writes them as baseline JPEG files
# into assets/.  Everything is drawn here from shapes, gradients and fixed-seed
# noise, so running the script again gives the same pictures.
#
# Needs: imagemagick, fonts-dejavu-core, mawk or gawk, coreutils.
# Usage: scripts/make_pictures.sh [output-folder]   (default: assets/)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=${1:-"$ROOT/assets"}
mkdir -p "$OUT"
TMP=$(mktemp -d)
trap '[[ -n ${KEEP_TMP:-} ]] || rm -rf "$TMP"' EXIT

FONT_DIR=/usr/share/fonts/truetype/dejavu
FONT_BOLD=$FONT_DIR/DejaVuSans-Bold.ttf
FONT_BOOK=$FONT_DIR/DejaVuSans.ttf
FONT_OBL=$FONT_DIR/DejaVuSans-Oblique.ttf
for f in "$FONT_BOLD" "$FONT_BOOK" "$FONT_OBL"; do
  [[ -r $f ]] || { echo "missing font $f (install fonts-dejavu-core)" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "ImageMagick (convert) is needed" >&2; exit 1; }

# One thread keeps every run byte-identical and the pictures are small anyway.
export MAGICK_THREAD_LIMIT=1
IM=(convert -limit thread 1)

# ---------------------------------------------------------------------------
# Helpers
# ---------------------------------------------------------------------------

# save IN OUT_NAME: writes a baseline 8-bit sRGB JPEG without metadata.
save() {
  "${IM[@]}" "$1" -alpha off -colorspace sRGB -type TrueColor -depth 8 \
    -interlace none -sampling-factor 2x2,1x1,1x1 -quality 85 -strip \
    "jpg:$OUT/$2"
}

# draw W H MVG_FILE OUT: renders a vector drawing on a transparent canvas.
draw() {
  "${IM[@]}" -size "$1x$2" xc:none -draw "$(<"$3")" "$4"
}

# Shape generators: one awk program with its own random source (a Park-Miller
# generator, so every awk gives the same numbers), reading one command per line.
cat >"$TMP/shapes.awk" <<'AWK'
function rnd() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
function rr(a, b) { return a + (b - a) * rnd() }
function circ(x, y, r) { printf "circle %.1f,%.1f %.1f,%.1f\n", x, y, x + r, y }
# A paint splat: a round body with lobes, tapered spikes ending in drops,
# loose droplets around it, optional drips running down and an optional shine.
function splat(cx, cy, r, col, drips, gloss,   i, n, a, d, m, len, w, bx, by, px, py, tx, ty, k, x) {
  printf "fill %s\nfill-opacity 1\nstroke none\n", col
  circ(cx, cy, r)
  n = 7 + int(rnd() * 6)
  for (i = 0; i < n; i++) {
    a = 6.28318 * i / n + rr(-0.3, 0.3); d = r * rr(0.5, 0.85)
    circ(cx + d * cos(a), cy + d * sin(a), r * rr(0.28, 0.5))
  }
  m = 4 + int(rnd() * 5)
  for (i = 0; i < m; i++) {
    a = rr(0, 6.28318); len = r * rr(1.25, 2.1); w = r * rr(0.1, 0.2)
    bx = cx + 0.6 * r * cos(a); by = cy + 0.6 * r * sin(a)
    px = -sin(a); py = cos(a)
    tx = cx + len * cos(a); ty = cy + len * sin(a)
    printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", \
      bx + px * w * 1.6, by + py * w * 1.6, tx + px * w * 0.35, ty + py * w * 0.35, \
      tx - px * w * 0.35, ty - py * w * 0.35, bx - px * w * 1.6, by - py * w * 1.6
    circ(tx, ty, w * 0.8)
  }
  k = 5 + int(rnd() * 8)
  for (i = 0; i < k; i++) {
    a = rr(0, 6.28318); d = r * rr(1.35, 2.6)
    circ(cx + d * cos(a), cy + d * sin(a), r * rr(0.04, 0.13))
  }
  for (i = 0; i < drips; i++) {
    x = cx + r * rr(-0.6, 0.6); w = r * rr(0.08, 0.15); len = r * rr(0.9, 2.2)
    printf "roundrectangle %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", x - w, cy, x + w, cy + len, w, w
    circ(x, cy + len, w * 1.35)
  }
  if (gloss) {
    printf "fill #ffffff\nfill-opacity 0.22\n"
    circ(cx - 0.25 * r, cy - 0.28 * r, 0.5 * r)
    printf "fill-opacity 0.55\n"
    circ(cx - 0.38 * r, cy - 0.42 * r, 0.13 * r)
    printf "fill-opacity 1\n"
  }
}
# A paintball: a shaded sphere with a shine.
function ball(cx, cy, r, col) {
  printf "stroke none\nfill %s\nfill-opacity 1\n", col
  circ(cx, cy, r)
  printf "fill #000000\nfill-opacity 0.18\n"
  printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", cx + 0.12 * r, cy + 0.18 * r, 0.85 * r, 0.8 * r
  printf "fill %s\nfill-opacity 1\n", col
  circ(cx - 0.1 * r, cy - 0.12 * r, 0.8 * r)
  printf "fill #ffffff\nfill-opacity 0.75\n"
  circ(cx - 0.35 * r, cy - 0.38 * r, 0.25 * r)
  printf "fill-opacity 1\n"
}
# A flying paintball with a fading streak behind it (direction dx, dy).
function flyer(cx, cy, r, col, dx, dy, len,   i, t) {
  printf "stroke none\nfill %s\n", col
  for (i = 6; i >= 1; i--) {
    t = i / 6
    printf "fill-opacity %.2f\n", 0.35 * (1 - t)
    circ(cx - dx * len * t, cy - dy * len * t, r * (1 - 0.55 * t))
  }
  ball(cx, cy, r, col)
}
# A tree silhouette: a stack of triangles on a trunk.
function tree(x, base, h, col,   w, i, y, tw) {
  printf "stroke none\nfill %s\nfill-opacity 1\n", col
  w = h * 0.42
  printf "rectangle %.1f,%.1f %.1f,%.1f\n", x - h * 0.04, base - h * 0.18, x + h * 0.04, base
  for (i = 0; i < 3; i++) {
    y = base - h * 0.12 - i * h * 0.27; tw = w * (1 - i * 0.24)
    printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", x - tw, y, x, y - h * 0.5, x + tw, y
  }
}
# A row of trees along a baseline from x0 to x1.
function forest(x0, x1, base, hmin, hmax, col,   x) {
  x = x0
  while (x < x1) { tree(x, base + rr(-3, 3), rr(hmin, hmax), col); x += rr(hmin * 0.3, hmin * 0.55) }
}
# A flag on a pole.
function flag(x, base, h, col, pole) {
  printf "stroke none\nfill %s\nfill-opacity 1\n", pole
  printf "rectangle %.1f,%.1f %.1f,%.1f\n", x - h * 0.03, base - h, x + h * 0.03, base
  printf "fill %s\n", col
  printf "path 'M %.1f,%.1f C %.1f,%.1f %.1f,%.1f %.1f,%.1f L %.1f,%.1f C %.1f,%.1f %.1f,%.1f %.1f,%.1f Z'\n", \
    x, base - h, x + h * 0.25, base - h * 1.08, x + h * 0.35, base - h * 0.9, x + h * 0.6, base - h * 0.97, \
    x + h * 0.6, base - h * 0.62, x + h * 0.35, base - h * 0.55, x + h * 0.25, base - h * 0.73, x, base - h * 0.65
}
# A dashed arrow along a quadratic curve, with a solid head.
function arrow(x1, y1, cx, cy, x2, y2, w, col,   a, l, px, py) {
  printf "push graphic-context\nfill none\nstroke %s\nstroke-width %.1f\nstroke-linecap round\nstroke-dasharray %d %d\n", col, w, 4 * w, 3 * w
  printf "path 'M %.1f,%.1f Q %.1f,%.1f %.1f,%.1f'\npop graphic-context\n", x1, y1, cx, cy, x2, y2
  a = atan2(y2 - cy, x2 - cx); l = 4.5 * w; px = -sin(a); py = cos(a)
  printf "stroke none\nfill %s\n", col
  printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", x2 + cos(a) * 1.5 * w, y2 + sin(a) * 1.5 * w, \
    x2 - cos(a) * l + px * l * 0.6, y2 - sin(a) * l + py * l * 0.6, x2 - cos(a) * l - px * l * 0.6, y2 - sin(a) * l - py * l * 0.6
}
# A five-pointed star.
function star(cx, cy, r, col,   i, a, rad, s) {
  s = "polygon"
  for (i = 0; i < 10; i++) {
    a = -1.5708 + i * 0.628318; rad = (i % 2) ? r * 0.45 : r
    s = s sprintf(" %.1f,%.1f", cx + rad * cos(a), cy + rad * sin(a))
  }
  printf "stroke none\nfill %s\n%s\n", col, s
}
# Outlined hexagons filling a rectangle.
function hexgrid(x0, y0, x1, y1, r, col, w,   x, y, row, i, s, a) {
  printf "push graphic-context\nfill none\nstroke %s\nstroke-width %.1f\n", col, w
  row = 0
  for (y = y0; y <= y1; y += r * 1.5) {
    for (x = x0 + (row % 2) * r * 0.866; x <= x1; x += r * 1.732) {
      s = "polygon"
      for (i = 0; i < 6; i++) { a = 0.5236 + i * 1.0472; s = s sprintf(" %.1f,%.1f", x + r * cos(a), y + r * sin(a)) }
      print s
    }
    row++
  }
  print "pop graphic-context"
}
# A laurel wreath: two leafy branches rising from the bottom, open at the top.
function leaf(x, y, ang, len) {
  printf "push graphic-context\ntranslate %.1f,%.1f\nrotate %.1f\nellipse %.1f,0 %.1f,%.1f 0,360\npop graphic-context\n", \
    x, y, ang * 57.2958, len, len, len * 0.38
}
function wreath(cx, cy, r, col, w,   side, i, n, th, tx, ty, nx, ny, s, a, b, ln) {
  n = 10; ln = r * 0.12
  for (side = -1; side <= 1; side += 2) {
    # open strokes are drawn as separate segments: this ImageMagick closes
    # some open polylines with a stray edge
    printf "push graphic-context\nfill none\nstroke %s\nstroke-width %.1f\nstroke-linecap round\n", col, w
    for (i = 0; i < 40; i++) {
      th = 1.5708 - side * (0.12 + 2.3 * i / 40); a = 1.5708 - side * (0.12 + 2.3 * (i + 1) / 40)
      printf "line %.1f,%.1f %.1f,%.1f\n", cx + r * cos(th), cy + r * sin(th), cx + r * cos(a), cy + r * sin(a)
    }
    print "pop graphic-context"
    printf "stroke none\nfill %s\n", col
    for (i = 0; i < n; i++) {
      th = 1.5708 - side * (0.3 + 2.15 * i / (n - 1))
      tx = side * sin(th); ty = -side * cos(th)
      nx = cos(th); ny = sin(th)
      a = atan2(ty * 0.6 + ny * 0.8, tx * 0.6 + nx * 0.8)
      b = atan2(ty * 0.6 - ny * 0.8, tx * 0.6 - nx * 0.8)
      leaf(cx + r * cos(th), cy + r * sin(th), a, ln)
      leaf(cx + r * cos(th), cy + r * sin(th), b, ln)
    }
    th = 1.5708 - side * 2.45
    leaf(cx + r * cos(th), cy + r * sin(th), atan2(-side * cos(th), side * sin(th)), ln)
  }
}
# A swirl of tapering spiral arms drawn as short segments.
function spiral(cx, cy, r0, r1, turns, arms, w, col,   k, i, n, t, t2, a0, a, b) {
  n = 60
  printf "push graphic-context\nfill none\nstroke %s\nstroke-linecap round\n", col
  for (k = 0; k < arms; k++) {
    a0 = 6.28318 * k / arms
    for (i = 0; i < n; i++) {
      t = i / n; t2 = (i + 1) / n
      a = a0 + t * turns * 6.28318; b = a0 + t2 * turns * 6.28318
      printf "stroke-width %.2f\nline %.1f,%.1f %.1f,%.1f\n", 0.6 + w * t, \
        cx + (r0 + (r1 - r0) * t) * cos(a), cy + (r0 + (r1 - r0) * t) * sin(a), \
        cx + (r0 + (r1 - r0) * t2) * cos(b), cy + (r0 + (r1 - r0) * t2) * sin(b)
    }
  }
  print "pop graphic-context"
}
# A four-pointed sparkle.
function sparkle(cx, cy, r, col) {
  printf "stroke none\nfill %s\npolygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", col, \
    cx, cy - r, cx + r * 0.2, cy - r * 0.2, cx + r, cy, cx + r * 0.2, cy + r * 0.2, \
    cx, cy + r, cx - r * 0.2, cy + r * 0.2, cx - r, cy, cx - r * 0.2, cy - r * 0.2
}
{
  if ($1 == "seed") seed = $2
  else if ($1 == "splat") splat($2, $3, $4, $5, $6, $7)
  else if ($1 == "ball") ball($2, $3, $4, $5)
  else if ($1 == "flyer") flyer($2, $3, $4, $5, $6, $7, $8)
  else if ($1 == "tree") tree($2, $3, $4, $5)
  else if ($1 == "forest") forest($2, $3, $4, $5, $6, $7)
  else if ($1 == "flag") flag($2, $3, $4, $5, $6)
  else if ($1 == "arrow") arrow($2, $3, $4, $5, $6, $7, $8, $9)
  else if ($1 == "star") star($2, $3, $4, $5)
  else if ($1 == "hexgrid") hexgrid($2, $3, $4, $5, $6, $7, $8)
  else if ($1 == "wreath") wreath($2, $3, $4, $5, $6)
  else if ($1 == "spiral") spiral($2, $3, $4, $5, $6, $7, $8, $9)
  else if ($1 == "sparkle") sparkle($2, $3, $4, $5)
  else print
}
AWK

# shapes OUT_MVG: turns shape commands on standard input into a vector drawing.
shapes() { awk -v seed=1 -f "$TMP/shapes.awk" >"$1"; }

# fade IN OPACITY OUT: scales the opacity of a transparent layer.
fade() { "${IM[@]}" "$1" -channel A -evaluate multiply "$2" +channel "$3"; }

# The game's title "Splat League" as a transparent sticker-style logo:
# bouncing letters with a gradient fill, a shine, a thick dark outline and a
# coloured drop shadow.  title POINTSIZE OUT
title() {
  local ps=$1 out=$2 d=$TMP/title
  mkdir -p "$d"
  # "Splat" in sunny orange, "League" in lime to teal
  local text="SplatLeague" i x=0 fill
  local -a rot=(-8 4 -3 6 -5 7 -4 5 -6 3 -7)
  local -a dy=(0 -4 2 -3 1 -2 3 -3 2 -4 1)
  local h pad=$((ps / 2)) gap=$((ps * 36 / 100)) tight=$((ps / 30 + 1))
  h=$("${IM[@]}" -font "$FONT_BOLD" -pointsize "$ps" label:S -format %h info:)
  local args=()
  for ((i = 0; i < ${#text}; i++)); do
    local ch=${text:i:1} w
    w=$("${IM[@]}" -font "$FONT_BOLD" -pointsize "$ps" label:"$ch" -format %w info:)
    if ((i < 5)); then fill="#fff176-#ff9100"; else fill="#b2ff59-#00bfa5"; fi
    "${IM[@]}" -size "${w}x${h}" "gradient:$fill" \
      \( -background none -fill white -font "$FONT_BOLD" -pointsize "$ps" label:"$ch" \) \
      -compose CopyOpacity -composite \
      -background none -rotate "${rot[i]}" "$d/l$i.png"
    local rw rh
    read -r rw rh < <("${IM[@]}" "$d/l$i.png" -format '%w %h\n' info:)
    local px=$((pad + x - (rw - w) / 2)) py=$((pad + dy[i] * ps / 40 - (rh - h) / 2))
    args+=("$d/l$i.png" -geometry "+$px+$py" -composite)
    x=$((x + w - tight))
    if ((i == 4)); then x=$((x + gap)); fi
  done
  local W=$((x + 2 * pad)) H=$((h + 2 * pad))
  "${IM[@]}" -size "${W}x${H}" xc:none "${args[@]}" "$d/fill.png"
  local o=$((ps / 11 + 2)) s=$((ps / 16 + 2))
  # shine on the upper half of the letters
  "${IM[@]}" "$d/fill.png" \
    \( -size "${W}x${H}" gradient:"#ffffff-#000000" -sigmoidal-contrast 12x38% \) \
    \( -clone 0 -alpha extract -morphology Erode Disk:$((ps / 24 + 1)) -roll +0+$((ps / 14 + 1)) \) \
    \( -clone 1 -clone 2 -compose Multiply -composite -evaluate multiply 0.5 \) \
    \( -size "${W}x${H}" xc:white -clone 3 -compose CopyOpacity -composite \) \
    -delete 1-3 -compose Over -composite "$d/shine.png"
  "${IM[@]}" \
    \( "$d/fill.png" -alpha extract -morphology Dilate Disk:$((o + s)) -roll +$s+$((s + 1)) \
       -background "#7b1fa2" -alpha shape \) \
    \( "$d/fill.png" -alpha extract -morphology Dilate Disk:$o -blur 0x0.7 \
       -background "#150f2e" -alpha shape \) \
    -compose Over -composite "$d/shine.png" -composite "$out"
}

# ---------------------------------------------------------------------------
# Banner 977x161
# ---------------------------------------------------------------------------
banner() {
  local W=977 H=161 d=$TMP/banner
  mkdir -p "$d"
  # deep navy night sky, a touch brighter behind the title
  "${IM[@]}" -size ${W}x${H} gradient:"#18264a-#0b1226" \
    \( -size ${W}x${H} -define gradient:center=270,70 -define gradient:radii=420,170 \
       radial-gradient:"#2b3f78-#0b1226" \) -compose Lighten -composite \
    -seed 11 \( -size ${W}x${H} plasma:gray50-gray50 -colorspace Gray -blur 0x6 -auto-level \
       -evaluate multiply 0.06 \) -compose Plus -composite "$d/bg.png"
  # faint netting over the right half, as around an arena
  {
    echo "stroke #9fb4e8 stroke-width 1 fill none"
    for ((x = 520; x < W + H; x += 18)); do
      echo "line $x,0 $((x - H)),$H"
      echo "line $((x - H)),0 $x,$H"
    done
  } >"$d/net.mvg"
  draw $W $H "$d/net.mvg" "$d/net.png"
  # the netting fades in from the middle to the right edge
  "${IM[@]}" "$d/net.png" \
    \( -clone 0 -alpha extract \( -size ${W}x${H} xc:black \
       -sparse-color Barycentric "530,0 black 977,0 gray(7%)" \) -compose Multiply -composite \) \
    -compose CopyOpacity -composite "$d/net_a.png"
  # a dark tree line along the bottom
  {
    echo "seed 7"
    echo "forest 0 $((W + 30)) $((H + 6)) 26 52 #0e1832"
  } | shapes "$d/trees.mvg"
  draw $W $H "$d/trees.mvg" "$d/trees.png"
  # paint splats and flying paintballs around the title (left half only)
  {
    echo "seed 2024"
    echo "splat 70 52 30 #ff3d7f 1 1"
    echo "splat 455 108 34 #29b6f6 2 1"
    echo "splat 300 40 22 #ffca28 0 1"
    echo "splat 236 16 11 #76ff03 0 1"
    echo "splat 505 36 14 #ff6d00 0 1"
    echo "flyer 520 78 6 #ffeb3b 1 -0.25 42"
    echo "flyer 28 128 5 #ff4081 -0.8 0.5 30"
  } | shapes "$d/splats.mvg"
  draw $W $H "$d/splats.mvg" "$d/splats.png"
  fade "$d/splats.png" 0.85 "$d/splats_f.png"
  title 62 "$d/title.png"
  "${IM[@]}" "$d/bg.png" "$d/net_a.png" -compose Over -composite \
    "$d/trees.png" -composite "$d/splats_f.png" -composite \
    \( "$d/title.png" \) -gravity NorthWest -geometry +4-8 -composite \
    -font "$FONT_BOLD" -pointsize 17 -kerning 3 -fill "#0b1226" -annotate +44+133 "PAINTBALL TEAM MANAGER" \
    -fill "#d7e3ff" -annotate +42+131 "PAINTBALL TEAM MANAGER" \
    "$d/out.png"
  save "$d/out.png" banner.jpg
}

# ---------------------------------------------------------------------------
# Page backgrounds 961x495: a pale tint, a faint motif and a few faint splats.
# ---------------------------------------------------------------------------
PW=961
PH=495

# page_compose NAME TOP BOTTOM MOTIF_OPACITY SPLAT_OPACITY SEED
# Expects $TMP/page_NAME/motif.mvg and splats.mvg, and takes an optional
# ready-faded layer extra.png that goes under the motif.
page_compose() {
  local name=$1 top=$2 bottom=$3 mop=$4 sop=$5 seed=$6 d=$TMP/page_$1
  draw $PW $PH "$d/motif.mvg" "$d/motif.png"
  [[ -e $d/extra.png ]] || "${IM[@]}" -size ${PW}x${PH} xc:none "$d/extra.png"
  draw $PW $PH "$d/splats.mvg" "$d/splats.png"
  fade "$d/motif.png" "$mop" "$d/motif_f.png"
  "${IM[@]}" "$d/splats.png" -blur 0x0.6 -channel A -evaluate multiply "$sop" +channel "$d/splats_f.png"
  "${IM[@]}" -size ${PW}x${PH} gradient:"$top-$bottom" \
    \( -seed "$seed" -size 121x62 plasma:gray50-gray50 -colorspace Gray -blur 0x3 -auto-level \
       -resize ${PW}x${PH}! +level 46%,54% \) -compose Overlay -composite \
    "$d/extra.png" -compose Over -composite \
    "$d/motif_f.png" -composite "$d/splats_f.png" -composite \
    \( -size ${PW}x${PH} -define gradient:radii=520,300 radial-gradient:"#ffffff60-#ffffff00" \) -composite \
    "$d/out.png"
  save "$d/out.png" "page_$name.jpg"
}

page_dir() { mkdir -p "$TMP/page_$1"; echo "$TMP/page_$1"; }

page_team() {
  local d ink="#1e3a6e"
  d=$(page_dir team)
  {
    echo "hexgrid -20 -20 330 190 22 $ink 2"
    echo "hexgrid 640 330 990 520 22 $ink 2"
    # the club crest: a double-edged shield with a star
    echo "push graphic-context"
    echo "fill none stroke $ink stroke-width 7"
    echo "path 'M 800,120 C 850,140 890,130 910,118 L 910,230 C 910,300 860,345 800,372 C 740,345 690,300 690,230 L 690,118 C 710,130 750,140 800,120 Z'"
    echo "stroke-width 3"
    echo "path 'M 800,138 C 845,155 878,148 894,138 L 894,230 C 894,290 852,328 800,352 C 748,328 706,290 706,230 L 706,138 C 722,148 755,155 800,138 Z'"
    echo "pop graphic-context"
    echo "star 800 235 62 $ink"
    echo "star 60 430 22 $ink"
    echo "star 110 455 14 $ink"
    echo "star 470 40 16 $ink"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 101"
    echo "splat 40 40 34 #1e88e5 2 0"
    echo "splat 930 460 40 #fb8c00 0 0"
    echo "splat 520 470 22 #43a047 1 0"
    echo "splat 600 30 16 #e53935 1 0"
  } | shapes "$d/splats.mvg"
  page_compose team "#f1f5fc" "#e2eaf6" 0.07 0.14 21
}

page_tactics() {
  local d ink="#1b5e20"
  d=$(page_dir tactics)
  {
    echo "push graphic-context fill none stroke $ink stroke-width 4"
    echo "roundrectangle 50,35 911,460 18,18"
    echo "line 120,35 120,460"
    echo "line 841,35 841,460"
    echo "push graphic-context stroke-dasharray 16 12"
    echo "line 480,35 480,460"
    echo "pop graphic-context"
    echo "circle 480,247 480,302"
    echo "pop graphic-context"
    echo "flag 82 268 54 $ink $ink"
    echo "flag 872 268 54 $ink $ink"
    # bunkers, mirrored about the centre as on a tournament field
    echo "stroke none fill $ink"
    echo "roundrectangle 240,78 430,104 13,13"
    echo "roundrectangle 531,391 721,417 13,13"
    echo "polygon 300,420 330,370 360,420"
    echo "polygon 601,75 631,125 661,75"
    echo "circle 210,190 210,212"
    echo "circle 751,305 751,327"
    echo "circle 330,300 330,318"
    echo "circle 631,195 631,213"
    echo "polygon 430,175 455,150 480,175 455,200"
    echo "polygon 481,320 506,295 531,320 506,345"
    echo "polygon 460,247 480,222 500,247 480,272"
    echo "roundrectangle 180,340 205,400 10,10"
    echo "roundrectangle 756,95 781,155 10,10"
    # players and their runs
    echo "arrow 135 215 170 120 228 96 4 $ink"
    echo "arrow 135 280 200 330 300 395 4 $ink"
    echo "arrow 135 250 250 240 310 295 4 $ink"
    echo "arrow 826 280 790 380 735 398 4 $ink"
    echo "arrow 826 215 720 200 650 195 4 $ink"
    echo "push graphic-context fill none stroke $ink stroke-width 5"
    echo "circle 560,130 560,146"
    echo "circle 400,370 400,386"
    echo "line 380,110 404,134"
    echo "line 404,110 380,134"
    echo "line 580,350 604,374"
    echo "line 604,350 580,374"
    echo "pop graphic-context"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 202"
    echo "splat 30 470 30 #43a047 0 0"
    echo "splat 940 25 26 #fdd835 1 0"
  } | shapes "$d/splats.mvg"
  page_compose tactics "#f0f7ee" "#e1efdd" 0.10 0.14 22
}

page_training() {
  local d ink="#a84300" i
  d=$(page_dir training)
  {
    # running track lanes
    echo "push graphic-context fill none stroke $ink stroke-width 3"
    for i in 0 1 2 3; do
      echo "roundrectangle $((40 + i * 22)),$((270 + i * 22)) $((700 - i * 22)),$((560 - i * 22)) $((150 - i * 22)),$((150 - i * 22))"
    done
    echo "pop graphic-context"
    # practice targets
    for i in 0 1 2; do
      local cx=$((720 + i * 95)) cy=$((110 + (i % 2) * 60))
      echo "push graphic-context fill none stroke $ink stroke-width 5"
      echo "circle $cx,$cy $((cx + 44)),$cy"
      echo "circle $cx,$cy $((cx + 30)),$cy"
      echo "circle $cx,$cy $((cx + 16)),$cy"
      echo "pop graphic-context"
      echo "stroke none fill $ink circle $cx,$cy $((cx + 6)),$cy"
      echo "stroke none fill $ink rectangle $((cx - 3)),$((cy + 44)) $((cx + 3)),$((cy + 110))"
    done
    # cones
    for i in 0 1 2 3 4; do
      local x=$((120 + i * 70)) y=$((140 + (i % 2) * 30))
      echo "stroke none fill $ink polygon $((x - 16)),$y $x,$((y - 44)) $((x + 16)),$y"
      echo "roundrectangle $((x - 22)),$y $((x + 22)),$((y + 7)) 3,3"
    done
    # a stopwatch
    echo "push graphic-context fill none stroke $ink stroke-width 7"
    echo "circle 860,390 860,450"
    echo "line 860,390 860,350"
    echo "line 860,390 890,405"
    echo "pop graphic-context"
    echo "stroke none fill $ink roundrectangle 845,312 875,326 4,4"
    echo "roundrectangle 855,322 865,333 2,2"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 303"
    echo "splat 40 40 30 #fb8c00 1 0"
    echo "splat 560 60 18 #e53935 0 0"
    echo "splat 930 250 20 #fdd835 0 0"
  } | shapes "$d/splats.mvg"
  page_compose training "#fdf4ec" "#f8e8da" 0.09 0.14 23
}

page_scout() {
  local d ink="#4a2f80"
  d=$(page_dir scout)
  # contour lines of a made-up map
  "${IM[@]}" -seed 404 -size 320x165 plasma:gray50-gray50 -colorspace Gray -blur 0x6 -auto-level \
    -resize ${PW}x${PH}! -blur 0x3 -posterize 11 -morphology EdgeIn Diamond:1 -threshold 1% \
    -background "$ink" -alpha shape -channel A -evaluate multiply 0.06 +channel "$d/extra.png"
  {
    # a magnifying glass
    echo "push graphic-context fill none stroke $ink stroke-width 12"
    echo "circle 790,170 790,260"
    echo "stroke-width 4"
    echo "circle 790,170 790,240"
    echo "pop graphic-context"
    echo "push graphic-context translate 790,170 rotate 45"
    echo "stroke none fill $ink roundrectangle 96,-16 118,16 4,4 roundrectangle 116,-13 220,13 12,12"
    echo "pop graphic-context"
    # a compass rose
    echo "push graphic-context fill none stroke $ink stroke-width 3 circle 120,390 120,450 circle 120,390 120,440 pop graphic-context"
    echo "stroke none fill $ink polygon 120,320 132,390 120,460 108,390"
    echo "polygon 50,390 120,378 190,390 120,402"
    echo "fill-opacity 0.5 polygon 75,345 125,385 165,435 115,395 fill-opacity 1"
    # a scout's trail to the spot
    echo "push graphic-context fill none stroke $ink stroke-width 4 stroke-dasharray 2 12 stroke-linecap round"
    echo "path 'M 200,360 C 300,300 330,420 450,380 S 560,250 650,300'"
    echo "pop graphic-context"
    echo "push graphic-context fill none stroke $ink stroke-width 7 stroke-linecap round"
    echo "line 660,290 684,314 line 684,290 660,314"
    echo "pop graphic-context"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 404"
    echo "splat 930 455 28 #8e24aa 1 0"
    echo "splat 420 30 18 #00acc1 0 0"
  } | shapes "$d/splats.mvg"
  page_compose scout "#f5f1fb" "#e9e2f4" 0.09 0.14 24
}

page_gear() {
  local d ink="#2f4858" x y i
  d=$(page_dir gear)
  # a big faint marker, drawn from the shop's own picture of the "Diamond pro"
  "${IM[@]}" -size ${PW}x${PH} xc:none \
    \( "$TMP/marker7/gun.png" -alpha extract -resize 250% -background "$ink" -alpha shape \) \
    -geometry +300+105 -compose Over -composite -channel A -evaluate multiply 0.07 +channel "$d/extra.png"
  {
    # hazard stripes across the top left corner, as on a workshop floor
    echo "push graphic-context stroke $ink stroke-width 12"
    for ((x = 30; x <= 230; x += 40)); do echo "line $x,0 0,$x"; done
    echo "pop graphic-context"
    # paintballs spilled across the bottom left
    echo "push graphic-context fill none stroke $ink stroke-width 3"
    i=0
    for ((y = 470; y > 330; y -= 22)); do
      for ((x = 30 + (i % 2) * 11; x < 260 - (470 - y); x += 23)); do
        echo "circle $x,$y $((x + 10)),$y"
      done
      i=$((i + 1))
    done
    echo "pop graphic-context"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 505"
    echo "splat 930 40 26 #00acc1 1 0"
    echo "splat 470 470 18 #e53935 0 0"
  } | shapes "$d/splats.mvg"
  page_compose gear "#f0f3f6" "#e2e7ec" 0.08 0.14 25
}

page_finances() {
  local d ink="#2e6b3a" gold="#9a7400" i
  d=$(page_dir finances)
  {
    # a bar chart climbing to the right with its trend arrow
    for i in 0 1 2 3 4 5; do
      local x=$((560 + i * 62)) h=$((60 + i * 45 + (i % 2) * 18))
      echo "stroke none fill $ink roundrectangle $x,$((470 - h)) $((x + 40)),470 5,5"
    done
    echo "push graphic-context fill none stroke $ink stroke-width 6 stroke-linecap round stroke-linejoin round"
    echo "line 560,360 640,320 line 640,320 700,335 line 700,335 770,250 line 770,250 840,215 line 840,215 905,120"
    echo "pop graphic-context"
    echo "stroke none fill $ink polygon 920,92 918,140 878,118"
    echo "rectangle 540,470 930,474"
    # stacks of coins
    local s x y n
    for s in "90 430 6" "165 440 4" "240 445 8"; do
      read -r x y n <<<"$s"
      for ((i = 0; i < n; i++)); do
        echo "stroke $gold stroke-width 3 fill #ffffff ellipse $x,$((y - i * 13)) 34,11 0,360"
      done
      echo "stroke $gold stroke-width 3 fill none ellipse $x,$((y - n * 13 + 13)) 22,6 0,360"
    done
    echo "push graphic-context fill $gold stroke none font '$FONT_BOLD' font-size 120"
    echo "text 70,200 '\$' font-size 70 text 210,110 '\$' font-size 90 text 360,250 '\$'"
    echo "pop graphic-context"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 606"
    echo "splat 940 30 26 #43a047 1 0"
    echo "splat 470 470 20 #fdd835 0 0"
  } | shapes "$d/splats.mvg"
  page_compose finances "#f2f8ef" "#f8f3e2" 0.08 0.15 26
}

page_league() {
  local d ink="#8a6500" i
  d=$(page_dir league)
  {
    # ruled rows of a league table
    for ((i = 0; i < 10; i++)); do
      echo "stroke none fill $ink fill-opacity 0.35 rectangle 40,$((60 + i * 38)) 560,$((78 + i * 38)) fill-opacity 1"
    done
    echo "wreath 770 235 150 $ink 5"
    echo "star 770 225 70 $ink"
    echo "star 700 340 18 $ink"
    echo "star 770 360 22 $ink"
    echo "star 840 340 18 $ink"
    echo "star 640 60 14 $ink"
    echo "star 910 80 20 $ink"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 707"
    echo "splat 30 460 30 #fb8c00 1 0"
    echo "splat 930 460 22 #1e88e5 0 0"
  } | shapes "$d/splats.mvg"
  page_compose league "#fcf8e8" "#f4ecd2" 0.08 0.14 27
}

page_schedule() {
  local d ink="#0d5c8a" r c
  d=$(page_dir schedule)
  {
    # a wall calendar with its rings and a few match days ringed
    echo "push graphic-context fill none stroke $ink stroke-width 4"
    echo "roundrectangle 470,60 900,450 14,14"
    echo "line 470,120 900,120"
    for ((c = 1; c < 7; c++)); do echo "line $((470 + c * 61)),120 $((470 + c * 61)),450"; done
    for ((r = 1; r < 5; r++)); do echo "line 470,$((120 + r * 66)) 900,$((120 + r * 66))"; done
    echo "stroke-width 8"
    for c in 540 620 750 830; do echo "roundrectangle $((c - 6)),36 $((c + 6)),84 6,6"; done
    echo "stroke-width 5"
    echo "circle 553,204 553,228"
    echo "circle 736,270 736,294"
    echo "circle 614,402 614,426"
    echo "pop graphic-context"
    echo "push graphic-context fill $ink stroke none font '$FONT_BOLD' font-size 22"
    local n=1
    for ((r = 0; r < 5; r++)); do
      for ((c = 0; c < 7; c++)); do
        echo "text $((478 + c * 61)),$((146 + r * 66)) '$n'"
        n=$((n % 30 + 1))
      done
    done
    echo "pop graphic-context"
    # a clock
    echo "push graphic-context fill none stroke $ink stroke-width 7 circle 190,300 190,400"
    echo "stroke-linecap round line 190,300 190,235 line 190,300 240,330 pop graphic-context"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 808"
    echo "splat 40 40 26 #1e88e5 1 0"
    echo "splat 360 470 22 #e53935 0 0"
  } | shapes "$d/splats.mvg"
  page_compose schedule "#eef6fb" "#e0edf6" 0.075 0.14 28
}

page_nextgame() {
  local d ink="#2c4a3a" i
  d=$(page_dir nextgame)
  # two rows of forest behind the arena, the far one paler
  { echo "seed 909"; echo "forest -20 990 200 30 70 $ink"; } | shapes "$d/far.mvg"
  { echo "seed 910"; echo "forest -20 990 222 40 95 $ink"; } | shapes "$d/near.mvg"
  draw $PW $PH "$d/far.mvg" "$d/far.png"
  draw $PW $PH "$d/near.mvg" "$d/near.png"
  "${IM[@]}" \( "$d/far.png" -channel A -evaluate multiply 0.04 +channel \) \
    \( "$d/near.png" -channel A -evaluate multiply 0.07 +channel \) -compose Over -composite "$d/extra.png"
  {
    # the field in perspective with its lines
    echo "stroke none fill $ink fill-opacity 0.35 polygon 300,215 661,215 980,495 -20,495 fill-opacity 1"
    echo "push graphic-context fill none stroke $ink stroke-width 3"
    echo "line 480,215 480,495"
    echo "line 250,495 420,215 line 710,495 540,215"
    echo "pop graphic-context"
    # netting poles and the net between them
    for i in 0 1 2 3 4; do
      local xl=$((20 + i * 60)) xr=$((940 - i * 60)) top=$((60 + i * 22)) bot=$((495 - i * 60))
      echo "stroke none fill $ink rectangle $((xl - 3)),$top $((xl + 3)),$bot rectangle $((xr - 3)),$top $((xr + 3)),$bot"
    done
    echo "push graphic-context fill none stroke $ink stroke-width 1"
    for ((i = 0; i < 16; i++)); do
      echo "line 20,$((60 + i * 26)) 260,$((148 + i * 16)) line 940,$((60 + i * 26)) 700,$((148 + i * 16))"
    done
    echo "pop graphic-context"
    # floodlights
    echo "stroke none fill $ink rectangle 97,20 103,300 roundrectangle 70,10 130,34 4,4"
    echo "rectangle 857,20 863,300 roundrectangle 830,10 890,34 4,4"
    # inflatable bunkers, smaller further away
    echo "roundrectangle 440,226 520,242 8,8"
    echo "polygon 360,262 378,232 396,262 polygon 564,262 582,232 600,262"
    echo "roundrectangle 300,300 340,350 18,18 roundrectangle 620,300 660,350 18,18"
    echo "ellipse 480,300 26,30 0,360"
    echo "polygon 200,445 240,380 280,445 polygon 680,445 720,380 760,445"
    echo "roundrectangle 380,420 580,455 18,18"
    echo "flag 474 215 38 $ink $ink"
  } | shapes "$d/motif.mvg"
  {
    echo "seed 919"
    echo "splat 940 470 28 #fb8c00 1 0"
    echo "splat 30 470 24 #8e24aa 0 0"
  } | shapes "$d/splats.mvg"
  page_compose nextgame "#eaf2fb" "#eef4e6" 0.09 0.13 29
}

# ---------------------------------------------------------------------------
# Markers 300x150: one paintball marker per model, side view, muzzle to the
# right.  marker.awk writes the vector layers of one marker into a folder:
#   base.mvg      the parts in flat colours (tank, hopper, barrel, body, grip)
#   body.mvg      the body's outline, used to clip the body's paint job
#   bodydeco.mvg  the paint job on the body (clipped to body.mvg)
#   tank.mvg      the tank's outline, tankdeco.mvg its wrap (clipped to it)
#   shade.mvg     highlights and shadows that give the parts volume
#   glow.mvg      glowing details (blurred and added), top.mvg small details
# ---------------------------------------------------------------------------
cat >"$TMP/marker.awk" <<'AWK'
function rnd() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
function rr(a, b) { return a + (b - a) * rnd() }
function circ(f, x, y, r) { printf "circle %.1f,%.1f %.1f,%.1f\n", x, y, x + r, y > f }
function paint(f, fill, stroke) { printf "fill %s\nfill-opacity 1\nstroke %s\nstroke-width 1.3\n", fill, stroke > f }
function ball(f, x, y, r) {
  printf "stroke #00000040\nstroke-width 0.8\nfill %s\n", bcol > f
  circ(f, x, y, r)
  printf "stroke none\nfill #ffffff\nfill-opacity 0.7\n" > f
  circ(f, x - r * 0.35, y - r * 0.35, r * 0.3)
  printf "fill-opacity 1\n" > f
}
# a rounded rectangle with a hole (for the trigger guard), as one even-odd path
function rrpts(x0, y0, x1, y1, r,   s) {
  return sprintf("M %.1f,%.1f L %.1f,%.1f A %.1f,%.1f 0 0,1 %.1f,%.1f L %.1f,%.1f A %.1f,%.1f 0 0,1 %.1f,%.1f L %.1f,%.1f A %.1f,%.1f 0 0,1 %.1f,%.1f L %.1f,%.1f A %.1f,%.1f 0 0,1 %.1f,%.1f Z", \
    x0 + r, y0, x1 - r, y0, r, r, x1, y0 + r, x1, y1 - r, r, r, x1 - r, y1, x0 + r, y1, r, r, x0, y1 - r, x0, y0 + r, r, r, x0 + r, y0)
}
BEGIN {
  B = dir "/base.mvg"; BM = dir "/body.mvg"; BD = dir "/bodydeco.mvg"; TM = dir "/tank.mvg"
  TD = dir "/tankdeco.mvg"; S = dir "/shade.mvg"; G = dir "/glow.mvg"; T = dir "/top.mvg"
  edge = "#00000059"
  split("#3f4a27 #8a7d52 #2e2a1e", camo, " ")
  printf "" > BM; printf "" > BD; printf "" > TM; printf "" > TD; printf "" > S; printf "" > G; printf "" > T
  be = 186 + bl                       # muzzle end of the barrel
  br = (lvl < 4) ? 3 : (lvl < 8 ? 6 : 9)   # body corner radius: boxy to sleek

  # --- air tank at the back, screwed into the bottom of the grip frame ---
  paint(B, tank, edge)
  printf "roundrectangle 12,100 94,124 12,12\n" > B
  printf "fill #ffffff\nroundrectangle 12,100 94,124 12,12\n" > TM
  if (tstyle == 2) {
    printf "stroke none\nfill %s\nrectangle 40,100 58,124\n", body2 > TD
  }
  if (tstyle == 3) {
    for (x = 0; x < 100; x += 6) printf "stroke #ffffff22\nstroke-width 2\nline %d,124 %d,100\nstroke #00000040\nline %d,124 %d,100\n", x, x + 10, x + 3, x - 7 > TD
    printf "stroke none\nfill %s\nrectangle 26,100 30,124\n", trim > TD
  }
  paint(B, trim, edge)
  printf "roundrectangle 86,98 106,126 4,4\n" > B
  if (lvl >= 5) {
    paint(T, "#f5f5f5", "#333333")
    circ(T, 96, 92, 6)
    printf "stroke #d32f2f\nstroke-width 1.2\nline 96,92 99,88\n" > T
  }

  # --- hopper with its feed neck ---
  paint(B, trim, edge)
  printf "rectangle 113,40 131,62\n" > B
  printf "rectangle 110,54 134,60\n" > B
  if (hop == 1 || hop == 2) {
    # see-through loader: paint first, then the tinted shell over it
    for (y = 44; y > 12; y -= 8.5)
      for (x = 90 + ((int(y) % 2) ? 4 : 0); x < 160; x += 9.5) {
        if (hop == 1 && ((x - 124) ^ 2 / 35 ^ 2 + (y - 29) ^ 2 / 19 ^ 2) > 0.8) continue
        if (hop == 2 && (x < 93 || x > 155 || y < 16)) continue
        ball(B, x + rr(-1, 1), y + rr(-1, 1), 4.6)
      }
    printf "fill %s\nfill-opacity 0.4\nstroke %s\nstroke-width 2\n", hopper, hopper > B
    if (hop == 1) printf "ellipse 124,29 39,22 0,360\n" > B
    else printf "roundrectangle 87,9 161,51 15,15\n" > B
    printf "fill-opacity 1\n" > B
    paint(B, hopper, edge)
    if (hop == 1) printf "roundrectangle 106,4 142,12 4,4\n" > B
    else printf "roundrectangle 100,4 148,12 5,5\n" > B
    printf "stroke none\nfill #ffffff\nfill-opacity 0.35\nellipse 108,19 14,5 -25,205\nfill-opacity 1\n" > S
  }
  if (hop == 3) {
    paint(B, hopper, edge)
    printf "path 'M 90,52 C 84,34 92,12 120,8 L 150,8 C 166,9 170,24 166,38 C 163,48 157,52 148,52 Z'\n" > B
    printf "fill #10151c\nstroke none\nroundrectangle 104,20 150,36 7,7\n" > B
    for (x = 110; x < 148; x += 9.5) ball(B, x, 28, 4.3)
    printf "fill #ffffff\nfill-opacity 0.25\nroundrectangle 104,20 150,25 6,3\nfill-opacity 0.35\npath 'M 96,40 C 94,26 102,15 120,12 L 146,12 C 128,16 108,20 96,40 Z'\nfill-opacity 1\n" > S
  }
  if (hop == 4) {
    paint(B, hopper, edge)
    printf "polygon 86,52 90,22 102,8 154,8 168,20 164,52\n" > B
    printf "fill #0a0a0a\nstroke none\npolygon 100,22 108,16 152,16 158,22 156,34 100,34\n" > B
    for (x = 108; x < 154; x += 9.5) ball(B, x, 25.5, 4.2)
    printf "fill #ffffff\nfill-opacity 0.3\npolygon 90,24 102,10 150,10 104,14 94,30\nfill-opacity 1\n" > S
    if (glow != "none") printf "stroke %s\nstroke-width 2\nline 100,40 156,40\n", glow > G
  }
  if (horns) {
    paint(B, body2, edge)
    printf "path 'M 104,12 C 97,9 94,4 95,0 C 100,4 106,6 112,9 Z'\n" > B
    printf "path 'M 150,12 C 157,9 160,4 159,0 C 154,4 148,6 142,9 Z'\n" > B
  }

  # --- barrel ---
  paint(B, barrel, edge)
  printf "roundrectangle 186,65 %d,77 3,3\n", be > B
  paint(B, trim, edge)
  printf "roundrectangle 184,62 202,80 3,3\n" > B
  printf "roundrectangle %d,63 %d,79 3,3\n", be - 9, be + 1 > B
  if (lvl >= 3) {
    printf "fill #000000\nfill-opacity 0.55\nstroke none\n" > T
    for (x = be - 44; x < be - 14; x += 8) printf "roundrectangle %d,69 %d,73 2,2\n", x, x + 5 > T
    printf "fill-opacity 1\n" > T
  }
  printf "fill #ffffff\nfill-opacity 0.45\nstroke none\nroundrectangle 188,66 %d,69 1.5,1.5\n", be - 10 > S
  printf "fill #000000\nfill-opacity 0.22\nrectangle 188,74 %d,77\n", be - 10 > S
  if (scope) {
    paint(B, trim, edge)
    printf "rectangle 184,52 190,58\nrectangle 214,52 220,58\n" > B
    paint(B, barrel, edge)
    printf "roundrectangle 170,42 236,53 5,5\nroundrectangle 226,38 240,56 4,4\nroundrectangle 164,40 174,54 4,4\n" > B
    printf "fill #ffffff\nfill-opacity 0.4\nstroke none\nroundrectangle 172,43 232,46 2,2\nfill-opacity 1\n" > S
    printf "fill #4fc3f7\nstroke none\nellipse 240,47 2,7 0,360\n" > T
  }

  # --- body, back cap, grip frame, trigger guard and foregrip ---
  paint(B, trim, edge)
  printf "roundrectangle 58,62 74,80 4,4\n" > B
  paint(B, body, edge)
  printf "roundrectangle 68,57 192,86 %d,%d\n", br, br > B
  printf "fill #ffffff\nstroke none\nroundrectangle 68,57 192,86 %d,%d\n", br, br > BM
  paint(B, body, edge)
  printf "polygon 98,84 132,84 126,106 94,106\n" > B
  paint(B, grip, edge)
  printf "path 'M 96,92 L 128,92 L 122,124 Q 121,128 116,128 L 94,128 Q 89,128 90,123 Z'\n" > B
  printf "stroke #ffffff26\nstroke-width 2\n" > T
  for (y = 98; y < 126; y += 5) printf "line %.1f,%d %.1f,%d\n", 97 - (y - 92) * 0.18, y, 125 - (y - 92) * 0.19, y > T
  paint(B, body, edge)
  printf "fill-rule evenodd\npath '%s %s'\nfill-rule nonzero\n", rrpts(128, 80, 166, 112, 11), rrpts(133, 84, 161, 107, 8) > B
  paint(B, trim, edge)
  printf "path 'M 142,84 C 146,90 149,96 147,104 L 144,104 C 145,97 142,91 139,86 Z'\n" > B
  if (lvl >= 4) {
    paint(B, grip, edge)
    printf "roundrectangle 170,84 184,116 6,6\n" > B
    printf "stroke #ffffff26\nstroke-width 2\n" > T
    for (y = 92; y < 114; y += 5) printf "line 172,%d 182,%d\n", y, y > T
  }

  # --- paint job on the body ---
  if (deco == "stripe") printf "stroke none\nfill %s\nrectangle 60,69 200,73\n", body2 > BD
  if (deco == "camo" || deco == "spots") {
    n = (deco == "camo") ? 26 : 34
    for (i = 0; i < n; i++) {
      x = rr(60, 196); y = rr(54, 90); r = (deco == "camo") ? rr(4, 9) : rr(1.8, 3.6)
      c = (deco == "camo") ? camo[i % 3 + 1] : body2
      printf "stroke none\nfill %s\n", c > BD
      if (deco == "camo") { circ(BD, x, y, r); circ(BD, x + r * 0.9, y + rr(-3, 3), r * 0.7) }
      else { printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", x, y, r * 1.3, r > BD; if (rnd() < 0.4) { printf "fill %s\n", body > BD; circ(BD, x, y, r * 0.45) } }
      x = rr(10, 96); y = rr(98, 126)
      printf "fill %s\n", c > TD
      if (deco == "camo") circ(TD, x, y, r); else printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", x, y, r * 1.3, r > TD
    }
  }
  if (deco == "tech") {
    printf "stroke none\nfill %s\nrectangle 60,76 200,80\nroundrectangle 150,61 182,67 3,3\n", body2 > BD
    for (x = 80; x < 140; x += 9) printf "fill #37474f\ncircle %d,64 %d,64\n", x, x + 2 > BD
  }
  if (deco == "teeth") {
    printf "stroke none\nfill %s\nrectangle 60,76 200,90\n", body2 > BD
    printf "fill #ffffff\nstroke #00000040\nstroke-width 0.8\n" > BD
    for (x = 150; x < 190; x += 7) printf "polygon %d,77 %.1f,70 %d,77\n", x, x + 3.5, x + 7 > BD
    for (x = 153; x < 190; x += 7) printf "polygon %d,77 %.1f,83 %d,77\n", x, x + 3.5, x + 7 > BD
    printf "stroke none\nfill #ffffff\ncircle 178,64 182,64\nfill #111111\ncircle 179,64 181,64\n" > BD
  }
  if (deco == "facets") {
    printf "stroke #ffffff\nstroke-width 1.5\nstroke-opacity 0.8\n" > BD
    for (x = 40; x < 220; x += 16) printf "line %d,56 %d,88\nline %d,88 %d,56\n", x, x + 32, x, x + 32 > BD
    printf "stroke-opacity 1\n" > BD
    printf "stroke #01579b\nstroke-width 1\nfill %s\npolygon 120,71 128,62 136,71 128,80\n", body2 > T
    printf "fill #ffffff\nstroke none\npolygon 124,68 128,64 130,68\n" > T
    printf "fill #ffffff\n" > G
    circ(G, 128, 63, 2.5)
    circ(G, 228, 68, 2)
  }
  if (deco == "scales") {
    printf "stroke #0f3d12\nstroke-width 1\nfill %s\n", body2 > BD
    for (y = 90; y > 50; y -= 5)
      for (x = 60 + ((int(y / 5) % 2) ? 3.5 : 0); x < 200; x += 7)
        printf "ellipse %.1f,%.1f 4,4 180,360\n", x, y > BD
    printf "stroke none\nfill %s\nrectangle 60,80 200,90\n", trim > BD
  }
  if (deco == "bolt") {
    printf "stroke #e65100\nstroke-width 1\nfill %s\npolygon 76,68 120,60 112,70 150,64 138,74 186,72 132,82 140,74 104,80 112,72 70,78\n", body2 > BD
    printf "stroke %s\nstroke-width 2\nfill none\nline 70,78 112,72\nline 112,72 104,80\nline 104,80 140,74\nline 140,74 132,82\nline 132,82 186,72\n", glow > G
  }
  if (deco == "flames") {
    # tongues of fire licking back from the muzzle end: red, then orange, then yellow
    split("#e53935 #ff9800 #ffd54f", fl, " ")
    for (k = 1; k <= 3; k++) {
      printf "stroke none\nfill %s\n", fl[k] > BD
      printf "rectangle %d,%d 196,90\n", 150 + k * 8, 66 + k * 5 > BD
      for (x = 196; x > 96 + k * 16; x -= 15) {
        len = (x - 80 - k * 14) * 0.45 + rr(-4, 4); ty = 58 + k * 5 + rr(-3, 3)
        printf "path 'M %.1f,90 Q %.1f,%.1f %.1f,%.1f Q %.1f,%.1f %.1f,90 Z'\n", \
          x + 10, x + 2, ty, x - len, ty, x - len * 0.35, ty + 14, x - 10 > BD
      }
    }
  }
  if (deco == "circuit") {
    printf "stroke %s\nstroke-width 1.6\nfill none\nstroke-linecap round\n", glow > G
    printf "line 80,64 120,64\nline 120,64 126,70\nline 126,70 176,70\nline 92,78 150,78\nline 150,78 156,72\n" > G
    printf "line 190,71 %d,71\n", be - 12 > G
    printf "stroke none\nfill %s\n", glow > G
    circ(G, 80, 64, 2.2); circ(G, 176, 70, 2.2); circ(G, 92, 78, 2.2); circ(G, 156, 72, 2)
    printf "fill %s\nroundrectangle 100,44 146,48 2,2\n", glow > G
    circ(G, 112, 114, 2.5)
  }
  if (glow != "none" && lvl >= 8 && deco != "circuit") {
    printf "stroke none\nfill %s\n", glow > G
    circ(G, 114, 112, 2.4)
  }

  # --- light and shade on the parts ---
  printf "stroke none\nfill #ffffff\nfill-opacity 0.38\nroundrectangle 72,59 188,64 2,2\n" > S
  printf "fill #000000\nfill-opacity 0.2\nroundrectangle 70,80 190,85 2,2\n" > S
  printf "fill #ffffff\nfill-opacity 0.4\nroundrectangle 18,102 88,107 2,2\n" > S
  printf "fill #000000\nfill-opacity 0.25\nroundrectangle 16,118 90,123 3,3\n" > S
  printf "fill #ffffff\nfill-opacity 0.3\nrectangle 60,64 72,67\nrectangle 186,63 200,66\nfill-opacity 1\n" > S
  # screws and the breech window
  printf "stroke #00000066\nstroke-width 0.8\nfill %s\n", trim > T
  circ(T, 80, 80, 1.8); circ(T, 180, 80, 1.8)
  if (lvl >= 2) { circ(T, 140, 62, 1.6); circ(T, 110, 98, 1.6) }
  if (lvl >= 5) {
    printf "fill #000000\nfill-opacity 0.35\nstroke none\n" > T
    for (x = 152; x < 184; x += 8) printf "roundrectangle %d,74 %d,78 2,2\n", x, x + 5 > T
    printf "fill-opacity 1\n" > T
  }
}
AWK

# marker N BODY BODY2 TRIM BARREL GRIP HOPPER TANK BALL GLOW DECO BARREL_LEN HOPPER_STYLE TANK_STYLE EXTRAS
marker() {
  local n=$1 d=$TMP/marker$1
  mkdir -p "$d"
  local scope=0 horns=0
  [[ ${15} == *scope* ]] && scope=1
  [[ ${15} == *horns* ]] && horns=1
  awk -v dir="$d" -v seed=$((n * 97)) -v lvl="$n" -v body="$2" -v body2="$3" -v trim="$4" \
    -v barrel="$5" -v grip="$6" -v hopper="$7" -v tank="$8" -v bcol="$9" -v glow="${10}" \
    -v deco="${11}" -v bl="${12}" -v hop="${13}" -v tstyle="${14}" -v scope=$scope -v horns=$horns \
    -f "$TMP/marker.awk" </dev/null
  local W=300 H=150 f
  for f in base body bodydeco tank tankdeco shade glow top; do draw $W $H "$d/$f.mvg" "$d/$f.png"; done
  # the paint jobs, clipped to the body and the tank
  "${IM[@]}" "$d/bodydeco.png" "$d/body.png" -compose DstIn -composite "$d/bodydeco_c.png"
  "${IM[@]}" "$d/tankdeco.png" "$d/tank.png" -compose DstIn -composite "$d/tankdeco_c.png"
  "${IM[@]}" "$d/base.png" "$d/tankdeco_c.png" -compose Over -composite "$d/bodydeco_c.png" -composite \
    \( "$d/shade.png" "$d/base.png" -compose DstIn -composite \) -compose Over -composite \
    "$d/top.png" -composite "$d/gun.png"
  # light neutral studio background with a soft floor shadow
  local tint=${16:-"#ffffff"}
  "${IM[@]}" -size ${W}x${H} gradient:"#f7f8fa-#dde1e6" \
    \( -size ${W}x${H} -define gradient:center=160,70 -define gradient:radii=170,90 radial-gradient:"${tint}-#ffffff00" \
       -channel A -evaluate multiply 0.35 +channel \) -compose Over -composite \
    \( -size ${W}x${H} xc:none -fill "#00000030" -draw "ellipse 150,136 125,7 0,360" -blur 0x5 \) -composite \
    \( "$d/gun.png" -alpha extract -blur 0x4 -background black -alpha shape -channel A -evaluate multiply 0.3 +channel \
       -roll +4+7 \) -composite \
    "$d/gun.png" -composite \
    \( "$d/glow.png" -blur 0x3.5 \) -compose Screen -composite \
    \( "$d/glow.png" -blur 0x1.2 \) -compose Screen -composite \
    "$d/glow.png" -compose Over -composite \
    "$d/out.png"
  save "$d/out.png" "marker$n.jpg"
}

markers() {
  #      n  body     accent   trim     barrel   grip     hopper   tank     paint    glow     deco    len hop tank extras tint
  marker 1  "#8d9399" "#8d9399" "#5f656b" "#6b7177" "#3a3d40" "#5a5f66" "#a9b0b6" "#ffd54f" none     none    60  1 1 "" "#ffffff"
  marker 2  "#2f4f7f" "#e8edf5" "#9aa3ad" "#222a35" "#1d1f22" "#3c5a8a" "#b0b8c0" "#ff7043" none     stripe  68  1 1 "" "#e3ecf8"
  marker 3  "#5b6b3a" "#8a7d52" "#4a4a42" "#38402a" "#2b2b22" "#4f5a33" "#66733f" "#f06292" none     camo    100 2 2 scope "#eef2e0"
  marker 4  "#b8c4cc" "#00bcd4" "#6f7c85" "#4b5963" "#263238" "#37474f" "#00838f" "#76ff03" "#00e5ff" tech  80  3 2 "" "#d8f6fa"
  marker 5  "#f9a825" "#3e2723" "#4e342e" "#212121" "#3e2723" "#ffb300" "#f57f17" "#4fc3f7" none     spots   78  3 2 "" "#fff1c9"
  marker 6  "#00897b" "#e53935" "#455a64" "#263238" "#1b2b2b" "#00695c" "#004d40" "#ff5252" none     teeth   82  3 2 "" "#d5f1ec"
  marker 7  "#eceff1" "#81d4fa" "#90a4ae" "#b0bec5" "#37474f" "#cfd8dc" "#cfd8dc" "#e040fb" "#b3e5fc" facets 86 3 1 "" "#dff3fd"
  marker 8  "#2e7d32" "#43a047" "#6a1b9a" "#1b1b1b" "#4a148c" "#1b5e20" "#263238" "#ffeb3b" "#b388ff" scales 90 4 3 "" "#e9def8"
  marker 9  "#1565c0" "#ffeb3b" "#cfd8dc" "#0d47a1" "#102a5c" "#0d47a1" "#263238" "#ffee58" "#fff176" bolt  92  4 3 "" "#fff6b0"
  marker 10 "#3b0a0a" "#ff9800" "#b71c1c" "#1a1a1a" "#210505" "#4a0e0e" "#1c1c1c" "#ff6f00" "#ff6d00" flames 92 4 3 "" "#ffd7b0"
  marker 11 "#121212" "#d50000" "#b71c1c" "#0a0a0a" "#1a1a1a" "#141414" "#151515" "#ff1744" "#ff1744" circuit 96 4 3 horns "#ffc9cf"
}

# ---------------------------------------------------------------------------
# Orbs 150x150: a glowing glass orb resting on dark velvet, each with its own
# colour and a sign floating inside.
# ---------------------------------------------------------------------------
OX=75
OY=70
OR=46

# orb N LIGHT MID DARK SIGN_COLOUR VELVET ; the sign's drawing comes on stdin
orb() {
  local n=$1 light=$2 mid=$3 dark=$4 velvet=$6 d=$TMP/orb$1 S=150
  mkdir -p "$d"
  shapes "$d/sign.mvg"
  draw $S $S "$d/sign.mvg" "$d/sign.png"
  # velvet: soft folds, a fine pile and a dark vignette
  "${IM[@]}" -size ${S}x${S} xc:"$velvet" \
    \( -size 240x240 gradient:white-black -function Sinusoid 4,$((n * 60)),0.3,0.55 -background gray50 \
       -wave 7x120 -rotate $((16 + n * 7)) -gravity center -extent ${S}x${S} +gravity +repage \) \
    -compose Multiply -composite -compose Over \
    -seed $((500 + n)) -attenuate 0.12 +noise Gaussian -blur 0x0.4 \
    \( -size ${S}x${S} -define gradient:radii=110,110 radial-gradient:"#00000000-#000000a0" \) -composite \
    "$d/velvet.png"
  # the orb's shape, its body and a cloudy inner light
  "${IM[@]}" -size ${S}x${S} xc:black -fill white -draw "circle $OX,$OY $((OX + OR)),$OY" "$d/mask.png"
  "${IM[@]}" -size ${S}x${S} -define gradient:center=$((OX - 12)),$((OY - 14)) -define gradient:radii=70,70 \
    radial-gradient:"$light-$dark" \
    \( -seed $((600 + n)) -size 75x75 plasma:gray50-gray50 -colorspace Gray -blur 0x3 -auto-level -resize ${S}x${S}! \
       +level 30%,70% \) -compose SoftLight -composite \
    \( -size ${S}x${S} -define gradient:center=$OX,$((OY + 8)) -define gradient:radii=40,40 radial-gradient:"$mid-#00000000" \) \
    -compose Screen -composite \
    "$d/mask.png" -alpha off -compose CopyOpacity -composite "$d/body.png"
  # the sign with a soft glow around it, kept inside the glass
  "${IM[@]}" "$d/sign.png" \( -clone 0 -blur 0x3.5 \) +swap -compose Over -composite \
    \( -clone 0 -alpha extract "$d/mask.png" -compose Multiply -composite \) -alpha off -compose CopyOpacity -composite \
    "$d/sign_in.png"
  "${IM[@]}" "$d/velvet.png" \
    \( -size ${S}x${S} xc:none -fill "#000000b0" -draw "ellipse $OX,$((OY + OR + 6)) 40,8 0,360" -blur 0x5 \) -compose Over -composite \
    \( -size ${S}x${S} xc:none -fill "$mid" -draw "circle $OX,$OY $((OX + OR + 4)),$OY" -blur 0x14 \) -compose Screen -composite \
    \( -size ${S}x${S} xc:none -fill "$mid" -draw "ellipse $OX,$((OY + OR + 8)) 34,6 0,360" -blur 0x6 \) -compose Screen -composite \
    "$d/body.png" -compose Over -composite \
    \( "$d/sign_in.png" -channel A -evaluate multiply 0.9 +channel \) -composite \
    \( -size ${S}x${S} xc:none -fill "#ffffffd0" -draw "ellipse $((OX - 16)),$((OY - 22)) 17,10 -30,330" -blur 0x3.5 \) -composite \
    \( -size ${S}x${S} xc:none -fill "#ffffff" -draw "circle $((OX - 20)),$((OY - 25)) $((OX - 16)),$((OY - 25))" -blur 0x0.8 \) -composite \
    \( -size ${S}x${S} xc:none -fill none -stroke "$light" -strokewidth 3 \
       -draw "circle $OX,$OY $((OX + OR - 3)),$OY" -blur 0x2 \
       \( -size ${S}x${S} gradient:"#ffffff00-#ffffff" -level 55%,100% \) -compose DstIn -composite \) \
    -compose Screen -composite \
    "$d/out.png"
  save "$d/out.png" "orb$n.jpg"
}

orbs() {
  local c i b
  c="#e3f2ff"
  { echo "push graphic-context fill none stroke $c stroke-width 3"
    echo "circle $OX,$OY $((OX + 25)),$OY"
    echo "stroke-width 2 circle $OX,$OY $((OX + 11)),$OY"
    echo "stroke-width 3 stroke-linecap round"
    echo "line $((OX - 36)),$OY $((OX - 16)),$OY line $((OX + 16)),$OY $((OX + 36)),$OY"
    echo "line $OX,$((OY - 36)) $OX,$((OY - 16)) line $OX,$((OY + 16)) $OX,$((OY + 36))"
    echo "pop graphic-context stroke none fill $c circle $OX,$OY $((OX + 3)),$OY"
  } | orb 1 "#8fd3ff" "#1e88ff" "#061a5c" "$c" "#3d2a8a"

  c="#f3e5ff"
  { echo "push graphic-context fill none stroke $c stroke-width 3"
    echo "path 'M $((OX - 32)),$OY Q $OX,$((OY - 30)) $((OX + 32)),$OY Q $OX,$((OY + 30)) $((OX - 32)),$OY Z'"
    echo "pop graphic-context stroke none fill $c circle $OX,$OY $((OX + 12)),$OY"
    echo "fill #3a0a5c ellipse $OX,$OY 4,10 0,360"
    echo "fill #ffffff circle $((OX + 4)),$((OY - 4)) $((OX + 6)),$((OY - 4))"
    echo "push graphic-context fill none stroke $c stroke-width 2 stroke-linecap round"
    echo "line $OX,$((OY - 26)) $OX,$((OY - 34)) line $((OX - 14)),$((OY - 23)) $((OX - 18)),$((OY - 30))"
    echo "line $((OX + 14)),$((OY - 23)) $((OX + 18)),$((OY - 30))"
    echo "pop graphic-context"
  } | orb 2 "#e1b3ff" "#a640ff" "#2a0650" "$c" "#5a2a7a"

  c="#eaffd9"
  { echo "stroke $c stroke-width 1.5 fill #eaffd955"
    echo "path 'M $OX,$((OY + 14)) Q $((OX - 14)),$((OY + 6)) $((OX - 30)),$((OY + 10)) L $((OX - 30)),$((OY - 10)) Q $((OX - 14)),$((OY - 14)) $OX,$((OY - 6)) Z'"
    echo "path 'M $OX,$((OY + 14)) Q $((OX + 14)),$((OY + 6)) $((OX + 30)),$((OY + 10)) L $((OX + 30)),$((OY - 10)) Q $((OX + 14)),$((OY - 14)) $OX,$((OY - 6)) Z'"
    echo "push graphic-context fill none stroke $c stroke-width 1.5"
    for i in 0 1 2 3; do
      echo "line $((OX - 26)),$((OY - 6 + i * 5)) $((OX - 5)),$((OY - 2 + i * 5)) line $((OX + 5)),$((OY - 2 + i * 5)) $((OX + 26)),$((OY - 6 + i * 5))"
    done
    echo "stroke-width 2.5 stroke-linecap round"
    echo "line $((OX - 16)),$((OY - 34)) $((OX - 16)),$((OY - 20)) line $((OX - 16)),$((OY - 34)) $((OX - 10)),$((OY - 28))"
    echo "line $((OX - 2)),$((OY - 38)) $((OX + 4)),$((OY - 24)) line $((OX + 4)),$((OY - 38)) $((OX - 2)),$((OY - 24))"
    echo "line $((OX + 14)),$((OY - 34)) $((OX + 20)),$((OY - 34)) line $((OX + 17)),$((OY - 34)) $((OX + 17)),$((OY - 20))"
    echo "pop graphic-context"
  } | orb 3 "#b9f6ca" "#1faa52" "#04381a" "$c" "#6a2448"

  c="#ffe0b2"
  { echo "spiral $OX $OY 3 40 0.8 5 4 $c"; echo "spiral $OX $OY 2 26 0.7 5 2 #ffea00"; } | orb 4 "#ff9e40" "#ff3d00" "#5a0000" "$c" "#701f3a"

  c="#f7ffc2"
  { echo "push graphic-context fill none stroke $c stroke-width 2 stroke-linecap round"
    for i in 0 1 2 3 4 5 6 7; do
      echo "line $((OX - 44 + i * 11)),$((OY - 4 + (i % 2) * 4)) $((OX - 33 + i * 11)),$((OY - 4 + ((i + 1) % 2) * 4))"
    done
    echo "pop graphic-context"
    echo "stroke $c stroke-width 1.6 fill #f7ffc240"
    local x y r
    for b in "-14 18 8" "6 28 6" "18 12 9" "-26 30 4" "30 24 4" "-4 8 5" "10 -14 5" "-12 -22 4" "2 -32 3"; do
      read -r x y r <<<"$b"
      echo "circle $((OX + x)),$((OY + y)) $((OX + x + r)),$((OY + y))"
    done
    echo "stroke none fill #ffffff"
    for b in "-16 15" "4 26" "15 8"; do
      read -r x y <<<"$b"
      echo "circle $((OX + x)),$((OY + y)) $((OX + x + 2)),$((OY + y))"
    done
  } | orb 5 "#f4ff81" "#76d600" "#173d00" "$c" "#43307a"

  c="#e0ffff"
  { echo "push graphic-context fill none stroke $c"
    for i in 1 2 3 4; do echo "stroke-width $((5 - i)) ellipse $OX,$((OY + 14)) $((i * 10)),$((i * 4)) 0,360"; done
    echo "pop graphic-context stroke none fill $c"
    echo "path 'M $OX,$((OY - 34)) C $((OX + 4)),$((OY - 24)) $((OX + 10)),$((OY - 16)) $((OX + 10)),$((OY - 10)) C $((OX + 10)),$((OY - 2)) $((OX - 10)),$((OY - 2)) $((OX - 10)),$((OY - 10)) C $((OX - 10)),$((OY - 16)) $((OX - 4)),$((OY - 24)) $OX,$((OY - 34)) Z'"
    echo "fill #ffffff circle $((OX - 4)),$((OY - 12)) $((OX - 2)),$((OY - 12))"
  } | orb 6 "#a7ffeb" "#00c2c7" "#003c4d" "$c" "#273e7a"
}

# ---------------------------------------------------------------------------
# Match results 640x438: pale, with a faint scoreboard across the top.
# ---------------------------------------------------------------------------
results() {
  local W=640 H=438 d=$TMP/results
  mkdir -p "$d"
  {
    echo "seed 31"
    echo "splat 612 400 24 #fb8c00 1 0"
    echo "splat 26 418 18 #1e88e5 0 0"
    echo "splat 612 160 12 #e53935 0 0"
  } | shapes "$d/splats.mvg"
  draw $W $H "$d/splats.mvg" "$d/splats.png"
  {
    # home and away halves of the scoreboard, and the paint stripe on top
    echo "stroke none fill #2f6fd612 roundrectangle 14,14 306,118 14,14"
    echo "fill #f0781e12 roundrectangle 334,14 626,118 14,14"
    echo "fill-opacity 1 fill #2f6fd6 rectangle 0,0 213,5 fill #f5b700 rectangle 213,0 427,5 fill #f0781e rectangle 427,0 640,5"
    echo "fill-opacity 1 fill #8a93a81f roundrectangle 300,52 340,80 8,8"
    echo "fill-opacity 1 fill #5b647814"
    for ((y = 254; y < 392; y += 26)); do echo "rectangle 24,$y 616,$((y + 1))"; done
  } >"$d/board.mvg"
  { echo "seed 32"; echo "splat 500 190 34 #8a93a8 2 0"; } | shapes "$d/mark.mvg"
  draw $W $H "$d/mark.mvg" "$d/mark.png"
  draw $W $H "$d/board.mvg" "$d/board.png"
  "${IM[@]}" -size ${W}x${H} gradient:"#f7f8fb-#eceff5" \
    "$d/board.png" -compose Over -composite \
    \( "$d/mark.png" -channel A -evaluate multiply 0.07 +channel \) -composite \
    \( "$d/splats.png" -channel A -evaluate multiply 0.16 +channel \) -composite \
    -font "$FONT_BOLD" -pointsize 15 -fill "#c3c9d6" -gravity North -annotate +0+58 "VS" \
    "$d/out.png"
  save "$d/out.png" results.jpg
}

# ---------------------------------------------------------------------------
# Trophy room 495x342: gold, silver and bronze cups on a wooden shelf.
# ---------------------------------------------------------------------------

# metal W H DARK MID LIGHT OUT: a horizontal metal sheen for a cylinder W wide
metal() {
  local w=$1 h=$2 dk=$3 md=$4 lt=$5 out=$6
  local a=$((w * 18 / 100)) b=$((w * 16 / 100)) c=$((w * 26 / 100))
  local e=$((w - a - b - c))
  "${IM[@]}" \( -size "${h}x$a" gradient:"$md-$lt" \) \( -size "${h}x$b" gradient:"$lt-$md" \) \
    \( -size "${h}x$c" gradient:"$md-$dk" \) \( -size "${h}x$e" gradient:"$dk-$md" \) \
    -append -rotate 90 -flop "$out"
}

# trophy_shapes CX BASE HEIGHT: the metal parts of one cup in white, as a mask
trophy_shapes() {
  awk -v cx="$1" -v base="$2" -v h="$3" 'BEGIN {
    s = h / 130
    print "fill white\nstroke none"
    # stem foot, stem with a knot, then the bowl with its rim
    printf "roundrectangle %.1f,%.1f %.1f,%.1f 3,3\n", cx - 26 * s, base - 30 * s, cx + 26 * s, base - 22 * s
    printf "path '\''M %.1f,%.1f Q %.1f,%.1f %.1f,%.1f L %.1f,%.1f Q %.1f,%.1f %.1f,%.1f Z'\''\n", \
      cx - 20 * s, base - 30 * s, cx - 6 * s, base - 36 * s, cx - 5 * s, base - 52 * s, \
      cx + 5 * s, base - 52 * s, cx + 6 * s, base - 36 * s, cx + 20 * s, base - 30 * s
    printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", cx, base - 55 * s, 10 * s, 5 * s
    printf "path '\''M %.1f,%.1f C %.1f,%.1f %.1f,%.1f %.1f,%.1f L %.1f,%.1f C %.1f,%.1f %.1f,%.1f %.1f,%.1f Z'\''\n", \
      cx - 38 * s, base - 128 * s, cx - 38 * s, base - 85 * s, cx - 16 * s, base - 62 * s, cx - 6 * s, base - 58 * s, \
      cx + 6 * s, base - 58 * s, cx + 16 * s, base - 62 * s, cx + 38 * s, base - 85 * s, cx + 38 * s, base - 128 * s
    printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", cx, base - 128 * s, 40 * s, 7 * s
    # handles: thick rings half hidden behind the bowl
    printf "push graphic-context\nfill none\nstroke white\nstroke-width %.1f\n", 6 * s
    printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", cx - 38 * s, base - 104 * s, 15 * s, 19 * s
    printf "ellipse %.1f,%.1f %.1f,%.1f 0,360\n", cx + 38 * s, base - 104 * s, 15 * s, 19 * s
    printf "pop graphic-context\n"
  }'
}

trophy() {
  local W=495 H=342 d=$TMP/trophy SHELF=262
  mkdir -p "$d"
  # warm striped wallpaper, brighter where three spotlights fall
  "${IM[@]}" -size ${W}x${H} gradient:"#fdf8ef-#f0e4cf" \
    \( -size 24x${H} xc:"#ffffff" -size 24x${H} xc:"#ead9bd" +append -write mpr:stripe +delete \
       -size ${W}x${H} tile:mpr:stripe -alpha set -channel A -evaluate set 14% +channel \) -compose Over -composite \
    \( -size ${W}x${H} xc:none -fill "#fffdf5" \
       -draw "polygon 60,118 110,118 150,262 20,262" -draw "polygon 222,118 272,118 312,262 182,262" \
       -draw "polygon 385,118 435,118 475,262 345,262" -blur 0x14 -channel A -evaluate multiply 0.7 +channel \) -composite \
    "$d/wall.png"
  # the cups: each a metal sheen cut out by its shape, with a soft shadow
  local cup cx h dk md lt i=0 args=()
  for cup in "85 132 #7a5200 #e0a81e #fff3b0" "247 116 #5e646c #b9c0c8 #ffffff" "410 104 #5c2e0e #c0722e #ffd2a6"; do
    read -r cx h dk md lt <<<"$cup"
    i=$((i + 1))
    trophy_shapes "$cx" $((SHELF - 2)) "$h" >"$d/cup$i.mvg"
    draw $W $H "$d/cup$i.mvg" "$d/cupmask$i.png"
    local w=$((h * 112 / 130))
    metal "$w" "$H" "$dk" "$md" "$lt" "$d/sheen$i.png"
    "${IM[@]}" -size ${W}x${H} xc:"$md" -alpha set "$d/sheen$i.png" -geometry +$((cx - w / 2))+0 -compose Over -composite \
      "$d/cupmask$i.png" -compose DstIn -composite "$d/cup$i.png"
    # inside of the bowl, a star on it, a shine and the wooden plinth with its plate
    local top=$((SHELF - 2 - h * 128 / 130))
    {
      echo "stroke none fill $dk fill-opacity 0.55 ellipse $cx,$((top + 1)) $((h * 35 / 130)),$((h * 5 / 130)) 0,360"
      echo "fill-opacity 1"
      printf 'seed 1\nstar %d %d %d %s\n' "$cx" $((top + h * 40 / 130)) $((h * 15 / 130)) "$lt" | awk -f "$TMP/shapes.awk"
      echo "fill #ffffff fill-opacity 0.55 roundrectangle $((cx - h * 24 / 130)),$((top + 8)) $((cx - h * 18 / 130)),$((top + h * 50 / 130)) 3,3"
      echo "fill-opacity 1 fill #5a3416 stroke #3b210c stroke-width 1"
      echo "roundrectangle $((cx - h * 34 / 130)),$((SHELF - h * 24 / 130)) $((cx + h * 34 / 130)),$SHELF 3,3"
      echo "stroke none fill $md roundrectangle $((cx - h * 14 / 130)),$((SHELF - h * 18 / 130)) $((cx + h * 14 / 130)),$((SHELF - h * 7 / 130)) 2,2"
      echo "fill #ffffff fill-opacity 0.25 rectangle $((cx - h * 34 / 130 + 2)),$((SHELF - h * 24 / 130 + 1)) $((cx + h * 34 / 130 - 2)),$((SHELF - h * 22 / 130))"
    } >"$d/extra$i.mvg"
    draw $W $H "$d/extra$i.mvg" "$d/extra$i.png"
    args+=(\( "$d/cupmask$i.png" -background black -alpha shape -blur 0x6 -channel A -evaluate multiply 0.25 +channel -roll +7+3 \)
           -compose Over -composite "$d/cup$i.png" -composite "$d/extra$i.png" -composite)
  done
  # the shelf: a plank with grain, its lit top edge and a shadow under it
  "${IM[@]}" -seed 77 -size ${W}x24 plasma:gray50-gray50 -colorspace Gray -motion-blur 0x40+0 -auto-level \
    +level-colors "#7a4520,#b87c44" \
    \( -size ${W}x24 gradient:"#ffffff30-#00000040" \) -compose Over -composite \
    -fill "#3b210c" -draw "rectangle 0,23 $W,24" -fill "#d9a066" -draw "rectangle 0,0 $W,2" "$d/plank.png"
  "${IM[@]}" "$d/wall.png" \
    \( -size ${W}x${H} xc:none -fill "#00000060" -draw "rectangle 0,$((SHELF + 24)) $W,$((SHELF + 30))" -blur 0x5 \) -compose Over -composite \
    "$d/plank.png" -geometry +0+$SHELF -composite -geometry +0+0 \
    "${args[@]}" \
    "$d/out.png"
  save "$d/out.png" trophy.jpg
}

# ---------------------------------------------------------------------------
# About box 417x260
# ---------------------------------------------------------------------------
about() {
  local W=417 H=260 d=$TMP/about
  mkdir -p "$d"
  {
    echo "seed 5150"
    echo "forest -10 430 272 30 58 #cfe5d2"
    echo "splat 28 26 20 #ff3d7f 1 1"
    echo "splat 392 30 16 #29b6f6 0 1"
    echo "splat 30 226 15 #76ff03 0 1"
    echo "splat 388 222 19 #ff9100 1 1"
    echo "flyer 350 150 5 #ffca28 1 -0.2 36"
    echo "flyer 64 160 4 #ab47bc -1 -0.3 26"
  } | shapes "$d/deco.mvg"
  draw $W $H "$d/deco.mvg" "$d/deco.png"
  title 40 "$d/title.png"
  "${IM[@]}" -size ${W}x${H} gradient:"#fdfbf4-#e9f3fc" \
    "$d/deco.png" -compose Over -composite \
    \( "$d/title.png" \) -gravity North -geometry +0+4 -composite \
    -font "$FONT_BOLD" -pointsize 15 -fill "#1c2a4a" -annotate +0+112 "A paintball team management game" \
    -font "$FONT_BOOK" -pointsize 13 -fill "#33415f" -annotate +0+142 "Version 1.0" \
    -font "$FONT_OBL" -pointsize 12 -fill "#46557a" -annotate +0+172 "Made by the Splat League team" \
    "$d/out.png"
  save "$d/out.png" about.jpg
}

# Markers come first: the gear page borrows one of them.
for step in markers orbs results trophy about banner \
  page_team page_tactics page_training page_scout page_gear \
  page_finances page_league page_schedule page_nextgame; do
  start=$EPOCHREALTIME
  "$step"
  [[ -z ${VERBOSE:-} ]] || awk -v s="$step" -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%-14s %6.2fs\n", s, b - a }' >&2
done
