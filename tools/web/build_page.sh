#!/usr/bin/env bash
# Builds the game for the web against the Qt of build_qt.sh and gathers what
# a web server serves into build-web/: the page (zorikan.html), Qt's loader
# (qtloader.js), the program (zorikan.js, zorikan.wasm), the data file packed
# for the page (zorikan.data) and the icon.
#
#   tools/web/build_page.sh QT_FOLDER     prints the folder when done
#
# The build folder is build-web/build. Without threads: the saved game is
# written at once after each action.
set -euo pipefail

qt=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-web
build=$out/build
cache=${ZORIKAN_WEB_CACHE:-$HOME/.cache/zorikan-web}
jobs=${JOBS:-$(nproc)}
# The emscripten SDK stand-in of build_qt.sh, which Qt's CMake files look for.
export EMSDK=$cache/emsdk EMSCRIPTEN=/usr/share/emscripten NODE_PATH=/usr/share/nodejs

# ZORIGAME.dat is made by make_gamedata on this machine, from a native build.
cmake -S "$root" -B "$root/build" > /dev/null
cmake --build "$root/build" --target make_gamedata -j "$jobs" > /dev/null

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DZORIKAN_THREADS=OFF \
  -DZORIKAN_BUILD_BENCH=OFF -DZORIKAN_BUILD_TESTS=OFF \
  -DZORIKAN_MAKE_GAMEDATA="$root/build/data/make_gamedata" > /dev/null
cmake --build "$build" -j "$jobs" --target zorikan

for file in zorikan.html qtloader.js zorikan.js zorikan.wasm zorikan.data zorikan.svg; do
  cp "$build/$file" "$out/$file"
done
echo "$out"
