#include "core/collection/roster.h"

#include "core/collection/item_buttons.h"
#include "core/collection/zoridex.h"

namespace zorikan {

namespace {

constexpr const char* kOmnivarNote =
    "NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already "
    "have if you want to catch another.";

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
    if (species == kOmnivar) game.port.information(kOmnivarNote);
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

}  // namespace zorikan
