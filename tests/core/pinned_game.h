#pragma once
// The pinned-log tests: a game over the real data from a fixed seed, whose
// starter was just chosen, played through one battle to its end.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/progress/end_battle.h"
#include "core/saves/new_game.h"
#include "scripted_port.h"
#include "test_data.h"

namespace zorikan::testing {

struct PinnedGame {
    ScriptedPort port;
    SeededRandom random;
    Game game{RealGameData(), port, random};

    // The starter, `species`, raised to `level` with `exp` experience points.
    PinnedGame(std::uint32_t seed, int species, int level, std::uint32_t exp) : random(seed) {
        PlayFromCreature(game, species, kStarterLevel);
        game.state.RosterLevel[1] = static_cast<std::uint8_t>(level);
        game.state.RosterExp[1] = exp;
    }

    // Sends the starter out (Yes to the question) into the battle just
    // opened and uses attack `attack` until "End Fight" shows. Returns the
    // battle log up to there, one line after another; then ends the battle.
    std::string fightToTheEnd(int attack) {
        port.answers = {true};
        RosterDoubleClick(game, 0);
        game.screens.main.arena.selectedAttack = attack;
        for (int turn = 0; turn < 100 && !game.screens.main.arena.endVisible; ++turn) GoClick(game);
        EXPECT_TRUE(game.screens.main.arena.endVisible);
        std::string log;
        for (const auto& line : port.log) log += line + "\n";
        EndBattle(game);
        return log;
    }
};

// Puts the game's own names in place of the {KEY}s of a pinned text.
inline std::string Filled(std::string text,
                          const std::vector<std::pair<std::string, std::string>>& names) {
    for (const auto& [key, value] : names)
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at))
            text.replace(at, key.size(), value);
    return text;
}

}  // namespace zorikan::testing
