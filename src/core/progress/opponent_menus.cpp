#include "core/progress/opponent_menus.h"

namespace zorikan {

namespace {

// Indexed by badge count 0..24.
constexpr const char* kOpenedByBadge[kBadgeCount + 1] = {
    "",         "Nerissa1",   "LtHarker1", "Odile1",   "Imara1",   "Tilde1",   "Fenwick1",
    "Roderic1", "GrandFour1", "Nils1",     "Posy1",    "Elwin1",   "Grigor1",  "Lunet1",
    "Haskel1",  "Vesper1",    "Kell1",     "Dunstan1", "Caddock1", "Ravenna1", "Osric1",
    "Merle1",   "OrinIsla1",  "Marius1",   "Elites1",
};

}  // namespace

const char* MenuItemForBadge(std::uint8_t badgeCount) {
    return badgeCount <= kBadgeCount ? kOpenedByBadge[badgeCount] : "";
}

void EnableGymLeaders(Game& game) {
    const char* item = MenuItemForBadge(game.state.BadgeCount);
    if (*item) game.screens.menus.enable(item);
}

void MenusEnabledAtLoad(Game& game) {
    const GameState& s = game.state;
    MenuModel& menus = game.screens.menus;
    for (int badges = 1; badges <= kBadgeCount && badges <= s.BadgeCount; ++badges)
        menus.enable(kOpenedByBadge[badges]);
    if (s.GrandFourChampionBeaten) menus.enable("BrennarGymLeaders1");
    if (s.KellBeaten) menus.enable("Me1");
    if (s.MeBeaten) {
        menus.enable("Omnivar1");
        menus.enable("CyrelleGymLeaders1");
    }
}

}  // namespace zorikan
