// How fair the start is: a level-5 starter that always uses its strongest
// attack, fighting 10,000 seeded wild battles from the search before the
// first badge. Reported as the counter "won" (share of battles won).

#include <benchmark/benchmark.h>

#include "balance/first_battles.h"
#include "core/data/data_file.h"

namespace {

using namespace zorikan;
using namespace zorikan::balance;

const GameData& Tables() {
    static const GameData data = [] {
        GameData d;
        LoadGameDataFile(ZORIKAN_DATA_FILE, d);
        return d;
    }();
    return data;
}

constexpr int kBattles = 10'000;

void BM_StarterFirstBattles(benchmark::State& state) {
    if (Tables().SpeciesNames[1].empty()) state.SkipWithError("no data file");
    const int starter = static_cast<int>(state.range(0));
    int won = 0;
    for (auto _ : state) won = PlayFirstBattles(Tables(), starter, kBattles, 2024u).won;
    state.counters["won"] = static_cast<double>(won) / kBattles;
    state.SetLabel(Tables().SpeciesNames[starter]);
}
BENCHMARK(BM_StarterFirstBattles)
    ->Arg(1)
    ->Arg(4)
    ->Arg(7)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
