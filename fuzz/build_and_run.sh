#!/bin/sh
# Builds the fuzzers of the two file readers (saved games and ZORIGAME.dat)
# with clang (the CMake option ZORIKAN_FUZZ, in a build folder of their own)
# and runs each for a bounded time, starting from the seed inputs kept in
# fuzz/corpus/; a crash, a sanitizer report or a broken invariant
# fails the run. New inputs the fuzzers find stay in the output folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-fuzz}
seconds=${2:-60}
cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DZORIKAN_FUZZ=ON -DZORIKAN_BUILD_TESTS=OFF -DZORIKAN_BUILD_BENCH=OFF >/dev/null
cmake --build "$out" -j2 --target save_reader_fuzz data_reader_fuzz

run() {
    name=$1
    shift
    mkdir -p "$out/corpus-$name"
    "$out/fuzz/${name}_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -artifact_prefix="$out/$name-" \
        "$@" "$out/corpus-$name" "$root/fuzz/corpus/$name"
}
run save_reader -max_len=400000
run data_reader -max_len=65536
