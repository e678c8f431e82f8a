#pragma once
// The running game: its model (the player's progress, the battle under way
// and what the windows show) with the fixed data it is played on, the port
// through which the rules talk to the player and the one random source.

#include <string>

#include "core/data/game_data.h"
#include "core/model/game_model.h"
#include "core/shared/player_port.h"
#include "core/shared/random.h"

namespace zorikan {

// The model's members (state, battle, tournament, screens) are the game's
// own, so the rules reach them as game.state; model() is the whole of it as
// one value.
struct Game : GameModel {
    Game(const GameData& gameData, PlayerPort& playerPort, RandomSource& random)
        : data(gameData), port(playerPort), rng(random) {}

    GameModel& model() { return *this; }
    const GameModel& model() const { return *this; }

    const GameData& data;
    PlayerPort& port;
    RandomSource& rng;

    bool isVisible(Window window) const { return screens.visible[static_cast<int>(window)]; }
    void setVisible(Window window, bool visible) {
        screens.visible[static_cast<int>(window)] = visible;
        port.setWindowVisible(window, visible);
    }
    void log(const std::string& line) { port.logLine(line); }
    const std::string& speciesName(int species) const;
};

}  // namespace zorikan
