#pragma once
// The game in play as one plain value: the player's progress, the battle under
// way, the tournament drawn and what the windows show. Copying it copies the
// whole game, so nothing added here can be left out of a copy.

#include "core/model/battle_state.h"
#include "core/model/game_state.h"
#include "core/model/screens.h"
#include "core/model/tournament_state.h"

namespace zorikan {

struct GameModel {
    GameState state;
    BattleState battle;
    TournamentDraw tournament;
    Screens screens;
};

}  // namespace zorikan
