#!/bin/sh
# Builds the fuzzers of the two file readers (saved games and ZORIGAME.dat)
# with clang and runs each for a bounded time, starting from the seed inputs
# kept in fuzz/corpus/; a crash, a sanitizer report or a broken invariant
# fails the run. New inputs the fuzzers find stay in the output folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-fuzz}
seconds=${2:-60}
mkdir -p "$out"
flags="-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
readers="$root/src/core/data/text_values.cpp $root/src/core/data/posix/text_file.cpp $root/src/core/data/text_encoding.cpp \
    $root/src/core/data/file_error.cpp"

clang++-14 $flags -I"$root/src" "$root/fuzz/save_reader_fuzz.cpp" $readers \
    "$root/src/core/saves/save_game.cpp" "$root/src/core/data/posix/atomic_file.cpp" "$root/src/core/model/game_state.cpp" \
    -o "$out/save_reader_fuzz"
clang++-14 $flags -I"$root/src" "$root/fuzz/data_reader_fuzz.cpp" $readers \
    "$root/src/core/data/data_file.cpp" -o "$out/data_reader_fuzz"

run() {
    name=$1
    shift
    mkdir -p "$out/corpus-$name"
    "$out/${name}_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -artifact_prefix="$out/$name-" \
        "$@" "$out/corpus-$name" "$root/fuzz/corpus/$name"
}
run save_reader -max_len=400000
run data_reader -max_len=65536
