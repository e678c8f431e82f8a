#!/bin/sh
# Builds the saved-game reader fuzzer with clang and runs it for a bounded
# time; a crash, a sanitizer report or a broken round trip fails the run.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-fuzz}
seconds=${2:-60}
mkdir -p "$out/corpus"
clang++-14 -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/src" "$root/fuzz/save_reader_fuzz.cpp" \
    "$root/src/core/save_game.cpp" "$root/src/core/text_values.cpp" \
    "$root/src/core/text_file.cpp" "$root/src/core/text_encoding.cpp" \
    "$root/src/core/atomic_file.cpp" "$root/src/core/game_state.cpp" \
    -o "$out/save_reader_fuzz"
"$out/save_reader_fuzz" -max_total_time="$seconds" -max_len=400000 -rss_limit_mb=2048 \
    -artifact_prefix="$out/" "$out/corpus"
