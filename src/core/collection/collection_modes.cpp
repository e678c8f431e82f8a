#include "core/collection/collection_modes.h"

#include "core/text/catalogue.h"

#include "core/collection/evolution.h"
#include "core/collection/release.h"

namespace zorikan {

namespace {

// The battles and the Mart, which a mode disables together with the other
// mode's item.
constexpr const char* kBattleAndShopItems[] = {"Tournaments1", "FightTrainer1", "Buy1",
                                               "FightWild1"};

void DisableWithMode(Game& game, const char* otherMode) {
    MenuModel& menus = game.screens.menus;
    menus.disable(otherMode);
    for (auto item : kBattleAndShopItems) menus.disable(item);
}

// A pending split choice keeps them disabled until its "Evolve" button.
void EnableAfterMode(Game& game, const char* otherMode) {
    if (SplitChoicePending(game)) return;
    MenuModel& menus = game.screens.menus;
    menus.enable(otherMode);
    for (auto item : kBattleAndShopItems) menus.enable(item);
}

}  // namespace

void Evolve1Click(Game& game) {
    CollectionModes& modes = game.screens.modes;
    if (!modes.EvolutionMode) {
        game.screens.menus.setChecked("Evolve1", true);
        modes.EvolutionMode = true;
        DisableWithMode(game, "ReleaseZRKN1");
        game.port.information(Text(text::kEvolutionModeOn));
    } else {
        EndEvolutionMode(game);
        game.port.information(Text(text::kEvolutionModeOff));
    }
}

void ReleaseZRKN1Click(Game& game) {
    CollectionModes& modes = game.screens.modes;
    if (game.screens.statistics.rosterCount() <= 1) {
        game.port.warning(Text(text::kLastCreature));
    } else if (!modes.ReleaseMode) {
        game.screens.menus.setChecked("ReleaseZRKN1", true);
        modes.ReleaseMode = true;
        DisableWithMode(game, "Evolve1");
        game.port.information(Text(text::kReleaseModeOn));
    } else {
        EndReleaseMode(game);
        game.port.information(Text(text::kReleaseModeOff));
    }
}

void EndEvolutionMode(Game& game) {
    game.screens.menus.setChecked("Evolve1", false);
    game.screens.modes.EvolutionMode = false;
    EnableAfterMode(game, "ReleaseZRKN1");
}

void DoubleClickInMode(Game& game, int slot, int species) {
    if (game.screens.modes.EvolutionMode) EvolveCreature(game, slot, species);
    if (game.screens.modes.ReleaseMode) ReleaseCreature(game, slot, species);
    EndReleaseMode(game);
}

void EndReleaseMode(Game& game) {
    game.screens.menus.setChecked("ReleaseZRKN1", false);
    game.screens.modes.ReleaseMode = false;
    EnableAfterMode(game, "Evolve1");
}

bool SplitChoicePending(const Game& game) {
    return game.screens.main.evolveChoice.visible;
}

void HoldMenusForSplitChoice(Game& game) {
    DisableWithMode(game, "Evolve1");
    game.screens.menus.disable("ReleaseZRKN1");
}

void ReleaseMenusAfterSplitChoice(Game& game) {
    EnableAfterMode(game, "Evolve1");
    game.screens.menus.enable("ReleaseZRKN1");
}

}  // namespace zorikan
