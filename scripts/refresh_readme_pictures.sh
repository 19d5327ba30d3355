#!/usr/bin/env bash
# Renews the pictures at the top of README.md: builds the game, runs the
# window test that renders every page and dialog to build/screenshots/, and
# copies three pages, the results dialog and two sections of the season book
# to docs/pictures/. Commit them afterwards.
# Usage: scripts/refresh_readme_pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
rm -rf build/screenshots
(cd build && ctest -R '^(Screenshots\.EveryPageAndDialogRendersToAPicture|SeasonBook\..*)$' --output-on-failure >/dev/null)
mkdir -p docs/pictures
for picture in page_1_team page_5_gear page_9_next_game dialog_Tresults; do
  cp "build/screenshots/$picture.png" "docs/pictures/$picture.png"
done
cp build/screenshots/book_1.png docs/pictures/book_table.png
cp build/screenshots/book_3.png docs/pictures/book_ledger.png
echo "README pictures renewed in docs/pictures/"
