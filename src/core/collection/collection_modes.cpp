#include "core/collection/collection_modes.h"

#include "core/text/catalogue.h"

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
        game.screens.menus.setChecked(MenuItem::ReleaseZRKN1, true);
        modes.ReleaseMode = true;
        DisableWithMode(game, MenuItem::Evolve1);
        game.port.information(Text(text::kReleaseModeOn));
    } else {
        EndReleaseMode(game);
        game.port.information(Text(text::kReleaseModeOff));
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
