#!/usr/bin/env bash
# Installs the Debian packages the game needs when they are missing (through
# sudo when not root), then configures and builds it in ./build.
# Quick when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config                  # compiler and build
  qt6-base-dev libgl-dev                            # the window (Qt 6 Widgets, JPEG plugin)
  libsdl2-mixer-dev                                 # music and effects
  nlohmann-json3-dev                                # the headless driver's JSON
  libgtest-dev libbenchmark-dev                     # tests and benchmarks
  clang-format                                      # the code's format (scripts/check_format.sh)
  fonts-dejavu-core                                 # the window's font
  desktop-file-utils appstream                      # checks of the desktop entry and metainfo
  xvfb xauth dbus at-spi2-core python3-pyatspi      # the screen-reader tests (virtual display, AT-SPI)
  orca speech-dispatcher openbox xdotool            # the screen reader heard (speech to a file), keys
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# SPLAT_WARNINGS_AS_ERRORS=ON or OFF in the environment (./test.sh sets ON)
# configures the build so; unset, an existing build keeps its setting.
options=()
if [ -n "${SPLAT_WARNINGS_AS_ERRORS:-}" ]; then
  options+=("-DSPLAT_WARNINGS_AS_ERRORS=$SPLAT_WARNINGS_AS_ERRORS")
fi
jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
elif [ -n "${SPLAT_WARNINGS_AS_ERRORS:-}" ] &&
  ! grep -qx "SPLAT_WARNINGS_AS_ERRORS:BOOL=$SPLAT_WARNINGS_AS_ERRORS" build/CMakeCache.txt; then
  cmake -S . -B build "${options[@]}"
fi
cmake --build build -j"$jobs"
