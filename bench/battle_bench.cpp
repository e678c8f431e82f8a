// How long the battle rules take: one attack with its log lines, and a whole
// seeded wild battle from the search to "End Fight".

#include <benchmark/benchmark.h>

#include <memory>

#include "bench_data.h"
#include "core/battle/attack.h"
#include "core/battle/battle_start.h"
#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/progress/end_battle.h"
#include "core/progress/wild_search.h"
#include "core/saves/new_game.h"

namespace {

using namespace zorikan;

// A player that only counts what it is shown and always says Yes.
class QuietPort final : public PlayerPort {
public:
    std::size_t lines = 0;
    void logLine(const std::string& line) override { lines += line.size(); }
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string&) override {}
    bool question(const std::string&, QuestionIcon) override { return true; }
    void setWindowVisible(Window, bool) override {}
};

using bench::Data;

// A game with one creature of `species` at `level` in slot 1.
std::unique_ptr<Game> NewGame(QuietPort& port, RandomSource& random, int species, int level) {
    auto game = std::make_unique<Game>(Data(), port, random);
    PlayFromCreature(*game, species, static_cast<std::uint8_t>(level));
    return game;
}

void BM_OneAttack(benchmark::State& state) {
    if (Data().SpeciesNames[1].empty()) state.SkipWithError("no data file");
    QuietPort port;
    SeededRandom random(7);
    auto game = NewGame(port, random, 4, 100);
    StartWildBattle(*game, 386, 100);
    ConfirmFighter(*game, 1, 4);
    game->screens.main.arena.selectedAttack = 0;
    for (auto _ : state) {
        game->battle.OppHP = 1'000'000;  // never faints
        DoOwnAttack(*game);
    }
    benchmark::DoNotOptimize(port.lines);
}
BENCHMARK(BM_OneAttack);

void BM_SeededWildBattle(benchmark::State& state) {
    if (Data().SpeciesNames[1].empty()) state.SkipWithError("no data file");
    QuietPort port;
    SeededRandom random(2024);
    std::uint32_t seed = 0;
    for (auto _ : state) {
        random.reseed(++seed);
        auto game = NewGame(port, random, 4, 40);
        FindZRKN1Click(*game);
        RosterDoubleClick(*game, 0);
        game->screens.main.arena.selectedAttack = 3;
        for (int turn = 0; turn < 500 && !game->screens.main.arena.endVisible; ++turn)
            GoClick(*game);
        EndBattle(*game);
        benchmark::DoNotOptimize(game->state.Wins);
    }
}
BENCHMARK(BM_SeededWildBattle)->Unit(benchmark::kMicrosecond);

}  // namespace
