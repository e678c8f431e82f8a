#include "core/roster.h"

#include "core/battle_start.h"
#include "core/collection_modes.h"
#include "core/evolution.h"
#include "core/release.h"
#include "core/statistics.h"
#include "core/zoridex.h"

namespace zorikan {

namespace {

constexpr const char* kOmnivarNote =
    "NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already "
    "have if you want to catch another.";

// In an opened battle the creature may become the fighter; a trainer battle
// takes only creatures within the level band, and says nothing of the others.
void ChooseFighter(Game& game, int slot, int species) {
    // The list is locked while a fighter is out.
    if (!game.screens.statistics.rosterListEnabled) return;
    const GameState& s = game.state;
    const bool inBand = s.RosterLevel[slot] >= s.MinLevel && s.RosterLevel[slot] <= s.MaxLevel;
    const bool allowed = game.battle.InWildBattle || (game.battle.InTrainerBattle && inBand);
    if (allowed && game.port.question("Choose " + game.speciesName(species) + "?"))
        ConfirmFighter(game, slot, species);
}

}  // namespace

void SetRosterListItem(Game& game, int slot, const std::string& caption, int species) {
    StatisticsModel& view = game.screens.statistics;
    view.rosterList[slot - 1] = RosterListItem{caption, species - 1};
    ++view.rosterRevision;
}

bool AddZRKN(Game& game, int species, const std::string& caption, std::uint8_t level) {
    StatisticsModel& view = game.screens.statistics;
    const bool starter = game.screens.main.starterListVisible;
    if (!starter && view.rosterCount() >= kRosterSlots) {
        game.port.warning("Your roster is full: it already holds " + std::to_string(kRosterSlots) +
                          " ZORIKAN. Release one to make room for " + game.speciesName(species) +
                          ".");
        return false;
    }
    if (species == 150) game.port.information(kOmnivarNote);
    HideButtons(game);
    game.screens.main.arena.goVisible = false;

    int slot = 1;
    if (!starter) {
        view.rosterList.emplace_back();
        slot = view.rosterCount();
    }
    if (!game.state.OwnedFlags[species]) {
        game.log(game.speciesName(species) + " has been added to the ZORIDEX!");
        ShowZoridex(game);
        game.state.OwnedFlags[species] = true;
        SelectZoridexEntry(game, species - 1);
    }
    GameState& s = game.state;
    s.RosterSpecies[slot] = species;
    SetRosterListItem(game, slot, caption, species);
    s.RosterLevel[slot] = level;
    s.RosterExp[slot] = LevelThreshold(level);
    return true;
}

void RosterDoubleClick(Game& game, int index) {
    if (index < 0 || index >= game.screens.statistics.rosterCount()) return;
    // The species comes from the entry's picture, which always matches its slot.
    const int species = game.screens.statistics.rosterList[index].imageIndex + 1;
    if (!IsSpecies(species)) return;
    const int slot = index + 1;
    game.port.information(CreatureStatistics(game, slot, species));
    ChooseFighter(game, slot, species);
    if (game.screens.modes.EvolutionMode) EvolveCreature(game, slot, species);
    if (game.screens.modes.ReleaseMode) ReleaseCreature(game, slot, species);
    EndReleaseMode(game);
}

}  // namespace zorikan
