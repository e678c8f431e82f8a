#include "core/collection/release.h"

#include "core/text/catalogue.h"

namespace zorikan {

void CloseRosterGap(GameState& state, int slot, int count) {
    for (int k = slot; k < count; ++k) {
        state.RosterSpecies[k] = state.RosterSpecies[k + 1];
        state.RosterLevel[k] = state.RosterLevel[k + 1];
        state.RosterExp[k] = state.RosterExp[k + 1];
    }
    // A slot with species 0 ends the roster: the saved-game reader lists
    // creatures up to the first empty slot.
    state.RosterSpecies[count] = 0;
    state.RosterLevel[count] = 0;
    state.RosterExp[count] = 0;
}

void ReleaseCreature(Game& game, int slot, int species) {
    const std::string& name = game.speciesName(species);
    StatisticsModel& view = game.screens.statistics;
    const int count = view.rosterCount();
    if (count <= 1) {
        game.port.warning(Text(text::kLastCreature));
        return;
    }
    if (!game.port.question(Text(text::kReleaseQuestion, {name}))) return;
    view.rosterList.erase(view.rosterList.begin() + (slot - 1));
    ++view.rosterRevision;
    CloseRosterGap(game.state, slot, count);
    game.port.information(Text(text::kReleased, {name}));
}

}  // namespace zorikan
