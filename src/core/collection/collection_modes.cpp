#include "core/collection/collection_modes.h"

#include "core/collection/evolution.h"
#include "core/collection/release.h"

namespace zorikan {

namespace {

// The battles and the Mart, which a mode disables together with the other
// mode's item.
constexpr MenuItem kBattleAndShopItems[] = {MenuItem::Tournaments1, MenuItem::FightTrainer1,
                                            MenuItem::Buy1, MenuItem::FightWild1};

void DisableWithMode(Game& game, MenuItem otherMode) {
    MenuModel& menus = game.screens.menus;
    menus.disable(otherMode);
    for (auto item : kBattleAndShopItems) menus.disable(item);
}

// A pending split choice keeps them disabled until its "Evolve" button.
void EnableAfterMode(Game& game, MenuItem otherMode) {
    if (SplitChoicePending(game)) return;
    MenuModel& menus = game.screens.menus;
    menus.enable(otherMode);
    for (auto item : kBattleAndShopItems) menus.enable(item);
}

}  // namespace

void Evolve1Click(Game& game) {
    CollectionModes& modes = game.screens.modes;
    if (!modes.EvolutionMode) {
        game.screens.menus.setChecked(MenuItem::Evolve1, true);
        modes.EvolutionMode = true;
        DisableWithMode(game, MenuItem::ReleaseZRKN1);
        game.port.information(
            "Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have "
            "doubleclicked on a ZORIKAN, Evolution Mode will be disabled.");
    } else {
        EndEvolutionMode(game);
        game.port.information("Evolution Mode cancelled.");
    }
}

void ReleaseZRKN1Click(Game& game) {
    CollectionModes& modes = game.screens.modes;
    if (game.screens.statistics.rosterCount() <= 1) {
        game.port.warning("You can't release your last ZORIKAN!");
    } else if (!modes.ReleaseMode) {
        game.screens.menus.setChecked(MenuItem::ReleaseZRKN1, true);
        modes.ReleaseMode = true;
        DisableWithMode(game, MenuItem::Evolve1);
        game.port.information(
            "Doubleclick a ZORIKAN in the Statistics window to release it. Once you have "
            "doubleclicked on a ZORIKAN, Release Mode will be disabled.");
    } else {
        EndReleaseMode(game);
        game.port.information(
            "Release Mode deactivated. Statistics window will now function normally.");
    }
}

void EndEvolutionMode(Game& game) {
    game.screens.menus.setChecked(MenuItem::Evolve1, false);
    game.screens.modes.EvolutionMode = false;
    EnableAfterMode(game, MenuItem::ReleaseZRKN1);
}

void DoubleClickInMode(Game& game, int slot, int species) {
    if (game.screens.modes.EvolutionMode) EvolveCreature(game, slot, species);
    if (game.screens.modes.ReleaseMode) ReleaseCreature(game, slot, species);
    EndReleaseMode(game);
}

void EndReleaseMode(Game& game) {
    game.screens.menus.setChecked(MenuItem::ReleaseZRKN1, false);
    game.screens.modes.ReleaseMode = false;
    EnableAfterMode(game, MenuItem::Evolve1);
}

bool SplitChoicePending(const Game& game) {
    return game.screens.main.evolveChoice.visible;
}

void HoldMenusForSplitChoice(Game& game) {
    DisableWithMode(game, MenuItem::Evolve1);
    game.screens.menus.disable(MenuItem::ReleaseZRKN1);
}

void ReleaseMenusAfterSplitChoice(Game& game) {
    EnableAfterMode(game, MenuItem::Evolve1);
    game.screens.menus.enable(MenuItem::ReleaseZRKN1);
}

}  // namespace zorikan
