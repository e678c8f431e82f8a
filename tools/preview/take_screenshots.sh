#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/*.png) from the real
# windows on a private X display, so they show the desktop's own fonts and
# style, and shrinks them losslessly when optipng is there. With a language
# (one the game ships: de, ru, zh_CN, ...) it takes them and every other
# window and menu in that language into BUILD_DIR/screenshots/LANGUAGE instead,
# for a translator to read through.
#   tools/preview/take_screenshots.sh [BUILD_DIR] [LANGUAGE]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
language=${2:-}
out=docs/screenshots
[ -z "$language" ] || out=$build/screenshots/$language

if ! command -v xvfb-run > /dev/null; then
  echo "xvfb-run is missing: apt-get install -y xvfb" >&2
  exit 1
fi
cmake --build "$build" --target zorikan_screenshots
mkdir -p "$out"
# No saved settings of the desktop reach the windows: every run looks the same.
# The README's pictures are English whatever the desktop's language.
HOME=$(mktemp -d) LANGUAGE=${language:-en} xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tools/zorikan_screenshots" "$out" ${language:+--every-window}
if command -v optipng > /dev/null; then
  optipng -quiet -o5 "$out"/*.png
fi
ls -l "$out"
