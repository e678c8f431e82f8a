// The benchmark program: `make bench` runs every benchmark of bench/.

#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
