#pragma once
// The running game: the fixed data, the player's progress, the battle under
// way and what the windows show, with the port through which the rules talk
// to the player and the one random source.

#include <string>

#include "core/battle/battle_state.h"
#include "core/data/game_data.h"
#include "core/progress/tournament_state.h"
#include "core/shared/player_port.h"
#include "core/shared/random.h"
#include "core/shared/screens.h"
#include "core/state/game_state.h"

namespace zorikan {

struct Game {
    Game(const GameData& gameData, PlayerPort& playerPort, RandomSource& random)
        : data(gameData), port(playerPort), rng(random) {}

    const GameData& data;
    PlayerPort& port;
    RandomSource& rng;
    GameState state;
    BattleState battle;
    TournamentDraw tournament;
    Screens screens;

    bool isVisible(Window window) const { return screens.visible[static_cast<int>(window)]; }
    void setVisible(Window window, bool visible) {
        screens.visible[static_cast<int>(window)] = visible;
        port.setWindowVisible(window, visible);
    }
    void log(const std::string& line) { port.logLine(line); }
    const std::string& speciesName(int species) const;
};

// A species number the tables can be indexed with.
constexpr bool IsSpecies(long long species) {
    return species >= 1 && species <= kSpeciesCount;
}

}  // namespace zorikan
