// How long the start-up's data load takes, from the file to the tables.

#include <benchmark/benchmark.h>

#include "core/data/data_file.h"
#include "core/data/loader_gauges.h"
#include "core/data/text_file.h"

namespace {

void BM_LoadGameDataFile(benchmark::State& state) {
    for (auto _ : state) {
        zorikan::GameData data;
        zorikan::LoaderGauges gauges;
        auto error = zorikan::LoadGameDataFile(ZORIKAN_DATA_FILE, data, &gauges);
        if (error) state.SkipWithError(error->text.c_str());
        benchmark::DoNotOptimize(data.SpeciesNames[386]);
    }
}
BENCHMARK(BM_LoadGameDataFile)->Unit(benchmark::kMicrosecond);

void BM_ParseGameData(benchmark::State& state) {
    std::string text;
    if (zorikan::ReadTextFile(ZORIKAN_DATA_FILE, text)) state.SkipWithError("no data file");
    for (auto _ : state) {
        zorikan::GameData data;
        benchmark::DoNotOptimize(zorikan::ReadGameData(text, data));
    }
}
BENCHMARK(BM_ParseGameData)->Unit(benchmark::kMicrosecond);

}  // namespace
