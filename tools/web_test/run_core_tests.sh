#!/usr/bin/env bash
# Cross-builds the core's tests (tests/core) for WebAssembly with Debian's
# emscripten and runs them under Node, as the browser build's rules run:
# no Qt, no threads, the real file system seen through Node (NODERAWFS).
# The tests in skipped_tests.txt are left out, each named with its reason.
#
#   tools/web_test/run_core_tests.sh [GTEST_ARGS...]   (make web-test)
#
# The build folder is build-web-test/; ZORIGAME.dat is made by make_gamedata
# on this machine, from the native build in build/.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$root/build-web-test
jobs=${JOBS:-$(nproc)}
# Emscripten's linker and the tests run on Node, which finds Debian's modules here.
export NODE_PATH=/usr/share/nodejs

cmake -S "$root" -B "$root/build" > /dev/null
cmake --build "$root/build" --target make_gamedata -j "$jobs" > /dev/null

# Node, through emscripten's own calls, reaches the real files; the memory
# grows as the tests need; the exit status is the tests'.
emcmake cmake -S "$root" -B "$build" \
  -DCMAKE_BUILD_TYPE=Release -DZORIKAN_CORE_ONLY=ON -DZORIKAN_THREADS=OFF \
  -DZORIKAN_BUILD_BENCH=OFF \
  -DCMAKE_EXE_LINKER_FLAGS="-sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1" \
  -DZORIKAN_MAKE_GAMEDATA="$root/build/data/make_gamedata" > /dev/null
cmake --build "$build" -j "$jobs" --target core_tests

# skipped_tests.txt: one test a line, "Suite.Name  reason"; # starts a comment.
filter=""
while read -r name reason; do
  echo "Skipped here: $name ($reason)"
  filter=$filter${filter:+:}$name
done < <(grep -v '^\s*\(#\|$\)' "$here/skipped_tests.txt")

# Emscripten 3.1.6's start-up code predates Node's own fetch.
node --no-experimental-fetch "$build/tests/core_tests.js" \
  ${filter:+--gtest_filter=-$filter} "$@"
