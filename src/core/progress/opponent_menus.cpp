#include "core/progress/opponent_menus.h"

namespace zorikan {

namespace {

// Indexed by badge count 0..24.
constexpr std::optional<MenuItem> kOpenedByBadge[kBadgeCount + 1] = {
    std::nullopt,         MenuItem::Nerissa1, MenuItem::LtHarker1, MenuItem::Odile1,
    MenuItem::Imara1,     MenuItem::Tilde1,   MenuItem::Fenwick1,  MenuItem::Roderic1,
    MenuItem::GrandFour1, MenuItem::Nils1,    MenuItem::Posy1,     MenuItem::Elwin1,
    MenuItem::Grigor1,    MenuItem::Lunet1,   MenuItem::Haskel1,   MenuItem::Vesper1,
    MenuItem::Kell1,      MenuItem::Dunstan1, MenuItem::Caddock1,  MenuItem::Ravenna1,
    MenuItem::Osric1,     MenuItem::Merle1,   MenuItem::OrinIsla1, MenuItem::Marius1,
    MenuItem::Elites1,
};

}  // namespace

std::optional<MenuItem> MenuItemForBadge(std::uint8_t badgeCount) {
    return badgeCount <= kBadgeCount ? kOpenedByBadge[badgeCount] : std::nullopt;
}

void EnableGymLeaders(Game& game) {
    if (const auto item = MenuItemForBadge(game.state.BadgeCount)) game.screens.menus.enable(*item);
}

void MenusEnabledAtLoad(Game& game) {
    const GameState& s = game.state;
    MenuModel& menus = game.screens.menus;
    for (int badges = 1; badges <= kBadgeCount && badges <= s.BadgeCount; ++badges)
        menus.enable(*kOpenedByBadge[badges]);
    if (s.GrandFourChampionBeaten) menus.enable(MenuItem::BrennarGymLeaders1);
    if (s.KellBeaten) menus.enable(MenuItem::Me1);
    if (s.MeBeaten) {
        menus.enable(MenuItem::Omnivar1);
        menus.enable(MenuItem::CyrelleGymLeaders1);
    }
}

}  // namespace zorikan
