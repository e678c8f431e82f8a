#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/*.png) from the real
# windows on a private X display, so they show the desktop's own fonts and
# style, and shrinks them losslessly when optipng is there. With a language
# (en, de, pt_BR, ...) it takes every window in that language for a
# translator's review, into BUILD_DIR/screenshots/LANGUAGE.
#   tools/preview/take_screenshots.sh [BUILD_DIR] [LANGUAGE]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
language=${2:-en}
out=docs/screenshots
review=()
if [ $# -ge 2 ]; then
  out=$build/screenshots/$language
  review=(--every-window)
fi

if ! command -v xvfb-run > /dev/null; then
  echo "xvfb-run is missing: apt-get install -y xvfb" >&2
  exit 1
fi
cmake --build "$build" --target zorikan_screenshots
mkdir -p "$out"
# No saved settings of the desktop reach the windows: every run looks the same.
# The game follows LANGUAGE first, so the desktop's own language never
# reaches the README's English pictures.
HOME=$(mktemp -d) LANGUAGE=$language xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tools/zorikan_screenshots" "$out" "${review[@]}"
if command -v optipng > /dev/null; then
  optipng -quiet -o5 "$out"/*.png
fi
ls -l "$out"
