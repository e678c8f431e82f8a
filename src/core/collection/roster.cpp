#include "core/collection/roster.h"

#include "core/collection/item_buttons.h"
#include "core/collection/zoridex.h"
#include "core/text/catalogue.h"

namespace zorikan {

void SetRosterListItem(Game& game, int slot, const std::string& caption, int species) {
    StatisticsModel& view = game.screens.statistics;
    view.rosterList[slot - 1] = RosterListItem{caption, species - 1};
    ++view.rosterRevision;
}

bool AddZRKN(Game& game, int species, const std::string& caption, std::uint8_t level) {
    StatisticsModel& view = game.screens.statistics;
    const bool starter = game.screens.main.starterListVisible;
    if (!starter && view.rosterCount() >= kRosterSlots) {
        game.port.warning(
            Text(text::kRosterFull, {std::to_string(kRosterSlots), game.speciesName(species)}));
        return false;
    }
    if (species == kOmnivar) game.port.information(Text(text::kOmnivarNote));
    HideButtons(game);
    game.screens.main.arena.goVisible = false;

    int slot = 1;
    if (!starter) {
        view.rosterList.emplace_back();
        slot = view.rosterCount();
    }
    if (!game.state.OwnedFlags[species]) {
        game.log(Text(text::kAddedToZoridex, {game.speciesName(species)}));
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
