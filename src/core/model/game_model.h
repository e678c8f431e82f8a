#pragma once
// The game in play as one plain value: the player's progress, the battle under
// way, the tournament drawn and what the windows show. Copying it copies the
// whole game, so nothing added here can be left out of a copy.

#include <cstdint>

#include "core/model/battle_state.h"
#include "core/model/game_state.h"
#include "core/model/screens.h"
#include "core/model/tournament_state.h"

namespace zorikan {

// Where the game stands: nothing begun yet (the title window), a new game
// waiting for its starter (from the choice of its file to the starter list's
// click), or a game in play (loaded, or its starter chosen).
enum class GamePhase : std::uint8_t { NoGame, ChoosingStarter, InPlay };

struct GameModel {
    GameState state;
    BattleState battle;
    TournamentDraw tournament;
    Screens screens;
    GamePhase phase = GamePhase::NoGame;
};

// Whether a game is in play, the one test of every save of the game: before
// its starter a new game has nothing to keep, and its file would get an
// empty roster that no load accepts.
inline bool GameInPlay(const GameModel& game) {
    return game.phase == GamePhase::InPlay;
}

}  // namespace zorikan
