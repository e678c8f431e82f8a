#include "core/battle/fighter_choice.h"

#include "core/battle/battle_start.h"
#include "core/collection/collection_modes.h"
#include "core/collection/statistics.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

// In an opened battle the creature may become the fighter; a trainer battle
// takes only creatures within the level band, and says nothing of the others.
void ChooseFighter(Game& game, int slot, int species) {
    // The list is locked while a fighter is out.
    if (!game.screens.statistics.rosterListEnabled) return;
    const GameState& s = game.state;
    const bool inBand = s.RosterLevel[slot] >= s.MinLevel && s.RosterLevel[slot] <= s.MaxLevel;
    const bool allowed = game.battle.InWildBattle || (game.battle.InTrainerBattle && inBand);
    if (allowed && game.port.question(Text(text::kChooseFighter, {game.speciesName(species)})))
        ConfirmFighter(game, slot, species);
}

}  // namespace

void RosterDoubleClick(Game& game, int index) {
    if (index < 0 || index >= game.screens.statistics.rosterCount()) return;
    // The species comes from the entry's picture, which always matches its slot.
    const int species = game.screens.statistics.rosterList[index].imageIndex + 1;
    if (!IsSpecies(species)) return;
    const int slot = index + 1;
    game.port.information(CreatureStatistics(game, slot, species));
    ChooseFighter(game, slot, species);
    DoubleClickInMode(game, slot, species);
}

}  // namespace zorikan
