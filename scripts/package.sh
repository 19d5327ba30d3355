#!/usr/bin/env bash
# Makes the Debian package splat-league_<version>_<arch>.deb: builds the game
# for /usr with Debian's hardening flags in build-deb/ (or BUILD_DIR), in the
# folders Debian keeps for games (/usr/games/splat-league,
# /usr/share/games/splat-league, /usr/lib/games/splat-league, and a link
# /usr/bin/splat-league for root's path), packs it
# with CPack, shows its control fields and checks it with lintian (an error
# there fails the script).
#
# Needs what scripts/setup.sh installs, plus dpkg-dev and file (for the
# shared-library dependencies) and lintian; installs them when missing.
# Usage: scripts/package.sh      (the package is left in build-deb/)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build-deb}

missing=()
for p in dpkg-dev file lintian; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
scripts/setup.sh >/dev/null  # the build's own packages

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# The flags go in as cache values, so a second run with other flags takes them.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_INSTALL_BINDIR=games -DSPLAT_INSTALL_DATA_DIR=share/games/splat-league \
  -DSPLAT_INSTALL_MODULE_DIR=lib/games/splat-league \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
# Only what the package holds; the tests and benchmarks are not needed here.
targets=(splat-league splat-docs)
grep -q '^SPLAT_WITH_AUDIO:BOOL=ON' "$BUILD/CMakeCache.txt" && targets+=(splat-sdl-audio)
cmake --build "$BUILD" -j"$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

rm -f "$BUILD"/splat-league_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD"/splat-league_*.deb)
echo
dpkg-deb --info "$deb"
echo
echo "lintian (fails on errors; warnings and notes are listed):"
lintian --info --fail-on error "$deb"
echo
echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
echo "Install it with: sudo apt install ./$deb"
