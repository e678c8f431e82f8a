#include "core/collection/item_buttons.h"

#include <algorithm>

namespace zorikan {

void EnableButtons(Game& game) {
    const GameState& s = game.state;
    const BattleState& b = game.battle;
    auto& enabled = game.screens.statistics.itemButtonEnabled;

    const int listed = game.screens.statistics.rosterCount();
    bool ownsOmnivar = false;
    for (int slot = 1; slot <= std::min(listed, kRosterSlots); ++slot)
        if (s.RosterSpecies[slot] == kOmnivar) ownsOmnivar = true;
    // Only one Omnivar may be held at a time, trainers' creatures cannot be
    // caught, and a full roster has no room for another creature.
    const bool noBalls = (ownsOmnivar && game.screens.main.arena.opponentImage == kOmnivar - 1) ||
                         b.InTrainerBattle || (b.InWildBattle && listed == kRosterSlots);
    for (const ItemRow& row : kItems) {
        const bool allowed = row.use == ItemUse::Potion ? !b.InTournament : !noBalls;
        enabled[row.item] = allowed && s.*row.count > 0;
    }
}

void ShowButtons(Game& game) {
    EnableButtons(game);
    game.screens.statistics.itemButtonsVisible = true;
}

void HideButtons(Game& game) {
    game.screens.statistics.itemButtonsVisible = false;
}

}  // namespace zorikan
