#!/usr/bin/env bash
# Proves the web page in Debian's headless Chromium, on this machine only:
#   1. build-web/ is served on 127.0.0.1 (python3 -m http.server);
#   2. tools/web/play_in_chromium.py plays it with the keyboard through
#      Chromium's remote-debugging protocol: the title, a new game, a wild
#      battle won to its end (its Yes/No question answered No, then Yes), a
#      purchase, a reload of the page, the game loaded again from the
#      browser's storage with the battle's money, a second tab refused that
#      saved game, the game downloaded and brought back from the computer,
#      and the quit; every step leaves a screenshot in build-web/check/;
#   3. the downloaded game, loaded and saved by the Linux game, comes out
#      byte for byte the same (tools/round_trip/).
# It ends with 1 at the first step that does not happen.
#
#   tools/web/check_in_chromium.sh      after `make web`; as root it installs
#                                       what it is missing
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-web
[ -f "$out/zorikan.wasm" ] || { echo "No page in build-web/: run make web first." >&2; exit 1; }

make -s -C "$root" deps PACKAGES="chromium python3-websocket imagemagick"
make -s -C "$root" build > /dev/null  # the Linux game, for the saved game's round trip

work=$(mktemp -d)
cleanup() {
  kill "${chromium:-}" "${server:-}" 2> /dev/null || true
  wait 2> /dev/null || true
  rm -rf "$work" 2> /dev/null || true  # Chromium may still be writing its profile
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
free_port() { /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

rm -rf "$out/check"
mkdir -p "$out/check" "$work/downloads"
port=$(free_port)
/usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$out" "$port" > "$work/server.log" 2>&1 &
server=$!
debug_port=$(free_port)
# A fresh profile: the browser's storage starts empty. Software WebGL draws the canvas.
chromium --headless=new --no-sandbox --disable-gpu --use-gl=swiftshader --enable-unsafe-swiftshader \
  --user-data-dir="$work/profile" --remote-debugging-address=127.0.0.1 \
  --remote-debugging-port="$debug_port" --window-size=1280,800 --lang=en-US \
  --no-first-run --no-default-browser-check about:blank > "$work/chromium.log" 2>&1 &
chromium=$!

/usr/bin/python3 "$root/tools/web/play_in_chromium.py" "$debug_port" \
  "http://127.0.0.1:$port/zorikan.html" "$out/check" "$work/downloads" | tee "$work/play.log" ||
  fail "the page did not play through (screenshots in build-web/check/)"

echo "== The downloaded game through the Linux game"
cp "$work/downloads/web.zgs" "$out/check/web.zgs"
"$root/tools/round_trip/through_linux_game.sh" "$work/downloads/web.zgs" "$work/linux.zgs" ||
  fail "the downloaded game did not come through the Linux game"
echo "== What a player downloads, compressed with gzip -9 as a web server may send it"
total=0
for file in zorikan.html qtloader.js zorikan.js zorikan.wasm zorikan.data zorikan.svg; do
  size=$(gzip -9 -c "$out/$file" | wc -c)
  total=$((total + size))
  printf '%-14s %9d bytes (%d uncompressed)\n' "$file" "$size" "$(stat -c %s "$out/$file")"
done
printf 'in all         %9d bytes\n' "$total"
echo "All steps passed; screenshots in build-web/check/"
