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

namespace {

// The creature takes roster slot `slot`, whose list entry exists already.
void PlaceCreature(Game& game, int slot, int species, const std::string& caption,
                   std::uint8_t level) {
    if (species == kOmnivar) game.port.information(Text(text::kOmnivarNote));
    HideButtons(game);
    game.screens.main.arena.goVisible = false;
    if (slot > game.screens.statistics.rosterCount())
        game.screens.statistics.rosterList.emplace_back();
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
}

}  // namespace

bool AddZRKN(Game& game, int species, const std::string& caption, std::uint8_t level) {
    const int slot = game.screens.statistics.rosterCount() + 1;
    if (slot > kRosterSlots) {
        game.port.warning(
            Text(text::kRosterFull, {std::to_string(kRosterSlots), game.speciesName(species)}));
        return false;
    }
    PlaceCreature(game, slot, species, caption, level);
    return true;
}

void JoinAsStarter(Game& game, int species, std::uint8_t level) {
    // The roster list's one empty entry is taken over.
    PlaceCreature(game, 1, species, game.speciesName(species), level);
    game.phase = GamePhase::InPlay;
}

}  // namespace zorikan
