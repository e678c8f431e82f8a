#include "core/collection/debug_menu.h"

#include "core/collection/zoridex.h"

namespace zorikan {

void MakeVisible(Game& game) {
    game.screens.menus.disable(MenuItem::MakeVisible1);
}

void ToggleAlwaysShowAttacks(Game& game) {
    MenuModel& menus = game.screens.menus;
    menus.setChecked(kAlwaysShowAttacks, !menus.isChecked(kAlwaysShowAttacks));
}

}  // namespace zorikan
