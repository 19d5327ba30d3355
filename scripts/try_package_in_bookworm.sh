#!/usr/bin/env bash
# Tries the Debian package on a clean Debian 12: makes a minimal bookworm root
# with debootstrap in a temporary folder, installs the package there with apt
# as a player would, checks that no build tool, -dev or test package came
# with it, and starts the game offscreen from an unrelated folder to its first
# frame. Prints what was installed and how it went; the root is removed at the
# end (KEEP_ROOT=1 keeps it). NO_RECOMMENDS=1 installs without the packages
# the dependencies only recommend (apt installs them by default).
#
# Needs root, debootstrap and a Debian mirror (MIRROR, default: the one apt
# uses here); takes a few minutes. Not part of ./test.sh for those reasons.
# Usage: scripts/try_package_in_bookworm.sh [path/to/splat-league_*.deb]
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-$(ls build-deb/splat-league_*.deb 2>/dev/null | head -n 1)}
[[ -f $deb ]] || { echo "no package: make one with scripts/package.sh" >&2; exit 2; }
[[ $(id -u) -eq 0 ]] || { echo "run as root (debootstrap and chroot)" >&2; exit 2; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
default_mirror=$(sed -n 's/^URIs: *\(http[^ ]*\/debian\)$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
MIRROR=${MIRROR:-${default_mirror:-http://deb.debian.org/debian}}

ROOT=$(mktemp -d /var/tmp/splat-bookworm.XXXXXX)
chmod 755 "$ROOT"  # apt's own user reads the root's folders
cleanup() {
  umount "$ROOT/proc" 2>/dev/null || true
  umount "$ROOT/dev" 2>/dev/null || true
  if [[ -z ${KEEP_ROOT:-} ]]; then rm -rf --one-file-system "$ROOT"; else echo "root kept in $ROOT"; fi
}
trap cleanup EXIT
in_root() { chroot "$ROOT" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== debootstrap --variant=minbase bookworm ($MIRROR)"
debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR" >"$ROOT.debootstrap.log" 2>&1 ||
  { tail -n 20 "$ROOT.debootstrap.log" >&2; exit 1; }
rm -f "$ROOT.debootstrap.log"
mount -t proc proc "$ROOT/proc"
mount --bind /dev "$ROOT/dev"
in_root dpkg-query -W -f='${Package}\n' | sort >"$ROOT/before.txt"

echo "== apt install ./$(basename "$deb")"
cp "$deb" "$ROOT/tmp/"
in_root apt-get update -q >/dev/null
apt_options=()
[[ -n ${NO_RECOMMENDS:-} ]] && apt_options=(--no-install-recommends)
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${apt_options[@]}" "/tmp/$(basename "$deb")" \
  >"$ROOT/apt.log" 2>&1 ||
  { tail -n 30 "$ROOT/apt.log" >&2; exit 1; }
in_root dpkg-query -W -f='${Package}\n' | sort >"$ROOT/after.txt"
added=$(comm -13 "$ROOT/before.txt" "$ROOT/after.txt")
added_size=$(in_root dpkg-query -W -f='${Installed-Size}\n' $added | awk '{ s += $1 } END { print s }')
echo "packages added: $(wc -l <<<"$added"), $((added_size / 1024)) MiB installed"
echo "$added" | paste -sd " " | fold -s -w 100
unwanted=$(grep -E -- '-dev$|^(gcc|g\+\+|cpp|clang|cmake|make|binutils)(-|$)|gtest|googletest|benchmark' <<<"$added" || true)
status=0
if [[ -n $unwanted ]]; then
  echo "FAIL: packages a player does not need:" $unwanted
  status=1
fi
size=$(in_root dpkg-query -W -f='${Installed-Size}' splat-league)
echo "splat-league installed size: ${size} KiB; package file: $(du -k "$deb" | cut -f1) KiB"

echo "== splat-league from /tmp, offscreen, to the first frame"
mkdir -p "$ROOT/tmp/elsewhere"
set +e
# The PATH Debian gives root (/etc/profile), without /usr/games: the link in
# /usr/bin starts the game.
timeout 120 chroot "$ROOT" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp/elsewhere QT_QPA_PLATFORM=offscreen \
  SPLAT_EXIT_AFTER_FIRST_FRAME=1 sh -c 'cd /tmp/elsewhere && splat-league' >"$ROOT/run.log" 2>&1
rc=$?
set -e
cat "$ROOT/run.log"
if [[ $rc -ne 0 ]]; then
  echo "FAIL: splat-league ended with status $rc"
  status=1
elif grep -q 'was not found' "$ROOT/run.log"; then
  echo "FAIL: pictures missing"
  status=1
else
  echo "splat-league painted its first frame (status 0, every picture found)"
fi
exit $status
