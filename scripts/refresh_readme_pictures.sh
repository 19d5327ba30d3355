#!/usr/bin/env bash
# Renews the pictures at the top of README.md: builds the game, runs the
# window test that renders every page and dialog to build/screenshots/, and
# copies three pages and the results dialog to docs/pictures/. Commit them
# afterwards.
# Usage: scripts/refresh_readme_pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
rm -rf build/screenshots
(cd build && ctest -R '^Screenshots\.EveryPageAndDialogRendersToAPicture$' --output-on-failure >/dev/null)
mkdir -p docs/pictures
for picture in page_1_team page_5_gear page_9_next_game dialog_Tresults; do
  cp "build/screenshots/$picture.png" "docs/pictures/$picture.png"
done
echo "README pictures renewed in docs/pictures/"
