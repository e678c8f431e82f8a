// How fair the start is: a level-5 starter that always uses its strongest
// attack, fighting 10,000 seeded wild battles from the search before the
// first badge. Reported as the counter "won" (share of battles won).

#include <benchmark/benchmark.h>

#include "core/data_file.h"
#include "core/end_battle.h"
#include "core/roster.h"
#include "core/turn.h"
#include "core/wild_search.h"

namespace {

using namespace zorikan;

class SilentPort final : public PlayerPort {
public:
    void logLine(const std::string&) override {}
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string&) override {}
    bool question(const std::string&) override { return true; }
    void setWindowVisible(Window, bool) override {}
};

const GameData& Tables() {
    static const GameData data = [] {
        GameData d;
        LoadGameDataFile(ZORIKAN_DATA_FILE, d);
        return d;
    }();
    return data;
}

constexpr int kBattles = 10'000;

// Battles won of kBattles by `starter` at level 5 with its strongest attack.
int WonOfFirstBattles(int starter, std::uint32_t seed) {
    SilentPort port;
    SeededRandom random(seed);
    Game game(Tables(), port, random);
    game.screens.main.starterListVisible = true;
    AddZRKN(game, starter, game.speciesName(starter), 5);
    game.screens.main.starterListVisible = false;
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;
    const auto& attacks = game.data.SpeciesAttacks[starter];
    int slot = 0;
    for (int k = 1; k < 4; ++k)
        if (game.data.AttackPower[attacks[k + 1]] > game.data.AttackPower[attacks[slot + 1]])
            slot = k;
    int won = 0;
    for (int b = 0; b < kBattles; ++b) {
        game.state.RosterLevel[1] = 5;
        game.state.RosterExp[1] = 125;
        FindZRKN1Click(game);
        RosterDoubleClick(game, 0);
        game.screens.main.arena.selectedAttack = slot;
        for (int turn = 0; turn < 1000 && !game.screens.main.arena.endVisible; ++turn)
            GoClick(game);
        won += game.battle.BattleKind != 0;
        EndBattle(game);
    }
    return won;
}

void BM_StarterFirstBattles(benchmark::State& state) {
    if (Tables().SpeciesNames[1].empty()) state.SkipWithError("no data file");
    const int starter = static_cast<int>(state.range(0));
    int won = 0;
    for (auto _ : state) won = WonOfFirstBattles(starter, 2024u);
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
