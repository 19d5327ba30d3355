#!/usr/bin/env bash
# Sets up and builds the game when needed, then starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/splat-league "$@"
