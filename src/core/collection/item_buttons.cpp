#include "core/collection/item_buttons.h"

#include <algorithm>

namespace zorikan {

void EnableButtons(Game& game) {
    const GameState& s = game.state;
    const BattleState& b = game.battle;
    auto& enabled = game.screens.statistics.itemButtonEnabled;
    enabled = {s.ZoriBalls > 0,   s.GreatBalls > 0, s.UltraBalls > 0,
               s.MasterBalls > 0, s.Potions > 0,    s.SuperPotions > 0};

    const int listed = game.screens.statistics.rosterCount();
    bool ownsOmnivar = false;
    for (int slot = 1; slot <= std::min(listed, kRosterSlots); ++slot)
        if (s.RosterSpecies[slot] == kOmnivar) ownsOmnivar = true;
    // Only one Omnivar may be held at a time, trainers' creatures cannot be
    // caught, and a full roster has no room for another creature.
    const bool noBalls = (ownsOmnivar && game.screens.main.arena.opponentImage == kOmnivar - 1) ||
                         b.InTrainerBattle || (b.InWildBattle && listed == kRosterSlots);
    if (noBalls)
        for (int ball = ZoriBallButton; ball <= MasterBallButton; ++ball) enabled[ball] = false;
    if (b.InTournament) enabled[PotionButton] = enabled[SuperPotionButton] = false;
}

void ShowButtons(Game& game) {
    EnableButtons(game);
    game.screens.statistics.itemButtonsVisible = true;
}

void HideButtons(Game& game) {
    game.screens.statistics.itemButtonsVisible = false;
}

}  // namespace zorikan
