#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks it as a desktop
# would see it: every file the desktop entry and the metainfo name is there
# (the executable, the icon at every size), both files pass their validators,
# the pictures, sounds and sound module are in place, and the installed game,
# started from an unrelated folder, paints its first frame with its pictures
# found in the prefix and never in the working directory.
#
# Usage: check_install.sh BUILD_DIR SOURCE_DIR APP_ID VERSION
set -euo pipefail

BUILD=$1 SOURCE=$2 ID=$3 VERSION=$4
SIZES=(16 24 32 48 64 128 256 512)

TMP=$(mktemp -d)
# `cmake --install` rewrites the build's install_manifest.txt, which a player
# may keep for uninstalling a real installation: it is put back afterwards.
MANIFEST=$BUILD/install_manifest.txt
[[ -f $MANIFEST ]] && cp -p "$MANIFEST" "$TMP/manifest.kept"
restore() {
  if [[ -f $TMP/manifest.kept ]]; then cp -p "$TMP/manifest.kept" "$MANIFEST"; else rm -f "$MANIFEST"; fi
  rm -rf "$TMP"
}
trap restore EXIT
PREFIX=$TMP/prefix
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
need() { [[ -f $1 ]] || fail "missing ${1#"$PREFIX"/}"; }

cmake --install "$BUILD" --prefix "$PREFIX" >"$TMP/install.log"

DESKTOP=$PREFIX/share/applications/$ID.desktop
METAINFO=$PREFIX/share/metainfo/$ID.metainfo.xml
need "$DESKTOP"
need "$METAINFO"

# The desktop entry: valid, and what it starts and shows is installed.
desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the entry"
entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
exec_name=$(entry Exec)
[[ -x $PREFIX/bin/$exec_name ]] || fail "Exec=$exec_name is not an executable in bin"
[[ $(entry Icon) == "$ID" ]] || fail "Icon= is $(entry Icon), not $ID"
[[ $(entry Categories) == "Game;SportsGame;" ]] || fail "Categories= is $(entry Categories)"

# The icon at every size, each PNG as large as its folder says.
need "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg"
for size in "${SIZES[@]}"; do
  png=$PREFIX/share/icons/hicolor/${size}x${size}/apps/$ID.png
  need "$png"
  [[ -f $png ]] || continue
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
  height=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
  [[ $width == "$size" && $height == "$size" ]] || fail "the ${size}px icon is ${width}x${height}"
done

# The metainfo: no error or warning from the validator, and what it names
# is installed.
if ! appstreamcli validate --no-net "$METAINFO" >"$TMP/appstream.log" 2>&1; then
  fail "appstreamcli rejects the metainfo"
fi
if grep -E '^(E|W):' "$TMP/appstream.log"; then fail "appstreamcli reports errors or warnings"; fi
tag() { sed -n "s:.*<$1[^>]*>\([^<]*\)</$1>.*:\1:p" "$METAINFO"; }
[[ $(tag id) == "$ID" ]] || fail "the metainfo's id is $(tag id)"
[[ $(tag launchable) == "$ID.desktop" ]] || fail "the metainfo launches $(tag launchable)"
[[ -x $PREFIX/bin/$(tag binary) ]] || fail "the metainfo names the binary $(tag binary), which is not installed"
newest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$METAINFO" | head -n 1)
[[ $newest == "$VERSION" ]] || fail "the newest release in the metainfo is $newest, the game is $VERSION"

# The game's own files, and no empty folder left behind.
for asset in "$SOURCE"/assets/*.jpg "$SOURCE"/assets/*.mp3 "$SOURCE"/assets/*.wav; do
  need "$PREFIX/share/splat-league/$(basename "$asset")"
done
# The guide, every page of it, and the manual page points to it.
for page in "$SOURCE"/assets/guide/*.md "$SOURCE"/assets/guide/contents.txt; do
  need "$PREFIX/share/splat-league/guide/$(basename "$page")"
done
gzip -dc "$PREFIX/share/man/man6/splat-league.6.gz" | grep -q 'How to play' || fail "the manual page does not point to the guide"
if [[ -f $BUILD/libsplat-sdl-audio.so ]]; then need "$PREFIX/lib/splat-league/libsplat-sdl-audio.so"; fi
need "$PREFIX/share/doc/splat-league/copyright"
need "$PREFIX/share/man/man6/splat-league.6.gz"
empty=$(find "$PREFIX" -type d -empty)
[[ -z $empty ]] || fail "empty folders installed: $empty"

# The installed game from an unrelated folder, offscreen, to its first frame.
# It says on the standard error when a picture is missing.
start() {
  (cd "$TMP/elsewhere" && HOME=$TMP/home XDG_CONFIG_HOME=$TMP/home/config QT_QPA_PLATFORM=offscreen \
    SPLAT_EXIT_AFTER_FIRST_FRAME=1 timeout 60 "$PREFIX/bin/$exec_name" 2>"$TMP/stderr")
}
mkdir -p "$TMP/elsewhere" "$TMP/home"
if ! start; then
  fail "the installed game did not reach its first frame"
  cat "$TMP/stderr" >&2
fi
if grep 'was not found' "$TMP/stderr"; then fail "the installed game misses some of its pictures"; fi

# Without its banner in the prefix it goes without, even with banners in the
# working directory and its assets folder.
mkdir -p "$TMP/elsewhere/assets"
mv "$PREFIX/share/splat-league/banner.jpg" "$TMP/elsewhere/"
cp "$TMP/elsewhere/banner.jpg" "$TMP/elsewhere/assets/"
start || fail "without its banner the installed game did not reach its first frame"
grep -q 'banner.jpg was not found' "$TMP/stderr" || fail "the installed game found a banner outside its prefix"

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "installed game complete: desktop entry, metainfo, icons, data and first frame"
