// What the save after every action costs the window thread with a full roster
// (10000 creatures): the game as the close would write it, compared with the
// last one handed over and handed to the writer. The write itself runs on the
// writer's thread; BM_SaveGameWrite (save_bench.cpp) times it.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "bench_data.h"
#include "core/saves/autosave.h"
#include "core/shared/silent_port.h"

namespace {

using namespace zorikan;

using bench::Data;

// range(0): 0 between battles, 1 during a tournament match (the close would
// pay the quit penalty, so the whole model is copied first).
void BM_AutosaveAfterAction(benchmark::State& state) {
    if (Data().SpeciesNames[1].empty()) state.SkipWithError("no data file");
    SilentPort port(true);
    SeededRandom random(7);
    Game game(Data(), port, random);
    game.phase = GamePhase::InPlay;
    for (int slot = 1; slot <= kRosterSlots; ++slot) {
        const int species = slot % kSpeciesCount + 1;
        game.state.RosterSpecies[slot] = species;
        game.state.RosterLevel[slot] = static_cast<std::uint8_t>(slot % 99 + 2);
        game.state.RosterExp[slot] = 1000u;
        game.screens.statistics.rosterList.push_back({Data().SpeciesNames[species], species - 1});
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / "zorikan-bench-autosave.zgs").string();
    game.screens.main.saveFileName = path;
    if (state.range(0) == 1) {
        game.battle.InTournament = true;
        game.battle.ActiveSlot = 1;
        game.screens.main.arena.goVisible = true;
    }
    SaveWriter writer;
    Autosave autosave(writer);
    for (auto _ : state) {
        ++game.state.Money;  // every action changes what the close would write
        autosave.afterAction(game);
    }
    writer.wait();
    std::remove(path.c_str());
}
BENCHMARK(BM_AutosaveAfterAction)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
