#!/bin/sh
# Writes a sample collection page and opens it in headless Chromium: prints
# what the browser made of it (title, heading, rows) and saves a screenshot.
# Run from the repository root after a build; needs Debian's chromium
# (apt-get install -y chromium), run without its sandbox so root can run it.
#   tools/preview/check_export_page.sh [out-dir]
set -eu
command -v chromium > /dev/null || { echo "chromium is missing: apt-get install -y chromium" >&2; exit 1; }
out=${1:-/tmp/zorikan-page}
mkdir -p "$out"
cmake --build build --target zorikan_export_preview
build/tools/zorikan_export_preview build/ZORIGAME.dat "$out/page #1.htm"
profile=$(mktemp -d)
flags="--headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir=$profile"
url="file://$(realpath "$out")/page%20%231.htm"
# shellcheck disable=SC2086
chromium $flags --dump-dom "$url" > "$out/dom.html" 2> "$out/chromium.log"
# shellcheck disable=SC2086
chromium $flags --window-size=700,900 --screenshot="$out/page.png" "$url" >> "$out/chromium.log" 2>&1
rm -rf "$profile"
echo "title:   $(grep -o '<title>[^<]*</title>' "$out/dom.html")"
echo "heading: $(grep -o '<h1>[^<]*</h1>' "$out/dom.html")"
echo "rows:    $(grep -o '<tr' "$out/dom.html" | wc -l)"
echo "bold:    $(grep -c '<b>Kell\|<b>&' "$out/dom.html" || true) (must be 0: the name is text)"
echo "page:    $out/page #1.htm"
echo "shot:    $out/page.png"
