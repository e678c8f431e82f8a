#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/*.png) from the real
# windows on a private X display, so they show the desktop's own fonts and
# style, and shrinks them losslessly when optipng is there. Given a language
# (de, fr, es, ...), it takes every window and message box in that language
# into BUILD_DIR/screenshots/LANGUAGE for a review of the translation;
# QT_FONT_DPI=144 in the environment shows them at a larger font size.
#   tools/preview/take_screenshots.sh [BUILD_DIR [LANGUAGE]]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
language=${2:-}
out=docs/screenshots
if [ -n "$language" ]; then
  out=$build/screenshots/$language${QT_FONT_DPI:+_${QT_FONT_DPI}dpi}
fi

if ! command -v xvfb-run > /dev/null; then
  echo "xvfb-run is missing: apt-get install -y xvfb" >&2
  exit 1
fi
cmake --build "$build" --target zorikan_screenshots
mkdir -p "$out"
# No saved settings of the desktop reach the windows: every run looks the same.
HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tools/zorikan_screenshots" "$out" $language
if [ -z "$language" ] && command -v optipng > /dev/null; then
  optipng -quiet -o5 "$out"/*.png
fi
ls -l "$out"
