#include "core/progress/battle_rewards.h"

#include <string>

#include "core/collection/roster.h"
#include "core/progress/opponent_menus.h"
#include "core/progress/opponents.h"
#include "core/shared/saturating.h"

namespace zorikan {

namespace {

// The bonus for beating the last leader of a region, by the badge count it brings.
struct RegionBonus {
    std::uint8_t badges;
    std::uint32_t money;
    const char* box;
};

constexpr RegionBonus kRegionBonuses[] = {
    {8, 2500,
     "You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, you "
     "get a 2500¥ bonus!"},
    {16, 3000,
     "You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a 3000¥ "
     "bonus!"},
    {24, 5000,
     "You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal "
     "Elites! Also, you get a 5000¥ bonus!"},
};

void BeatHighlandChampion(Game& game) {
    game.state.GrandFourChampionBeaten = true;
    game.port.information(
        "You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym Leaders! "
        "Also, you get a Master Ball!");
    AddCapped(game.state.MasterBalls, 1);
    game.port.information("This Ball will catch any ZORIKAN at any HP. Use it wisely.");
    game.screens.menus.enable(MenuItem::BrennarGymLeaders1);
}

void BeatKell(Game& game) {
    game.port.information("You beat Kell! You can now battle me! Also, you get a " +
                          game.speciesName(251) + " at L.5!");
    GiveCreature(game, 251, 5);
    game.screens.menus.enable(MenuItem::Me1);
    game.state.KellBeaten = true;
}

void BeatMe(Game& game) {
    game.port.information(
        "You beat me! You can now battle and/or catch Omnivar! You can also fight the Cyrelle Gym "
        "Leaders! And as if that wasn't enough, you also get a " +
        game.speciesName(151) + " at L.10!");
    GiveCreature(game, 151, 10);
    game.screens.menus.enable(MenuItem::Omnivar1);
    game.screens.menus.enable(MenuItem::CyrelleGymLeaders1);
    game.state.MeBeaten = true;
}

}  // namespace

void AwardBadge(Game& game) {
    GameState& s = game.state;
    // Only the next leader gives a badge battle, so the count stays within the names.
    if (game.battle.BattleKind != kBadgeBattle || s.BadgeCount >= kBadgeCount) return;
    ++s.BadgeCount;
    game.port.information("You earned the " + game.data.BadgeNames[s.BadgeCount] + "!");
    EnableGymLeaders(game);
    for (const RegionBonus& bonus : kRegionBonuses)
        if (s.BadgeCount == bonus.badges) {
            game.port.information(bonus.box);
            AddCapped(s.Money, bonus.money);
        }
}

void AwardFirstWin(Game& game) {
    const std::uint8_t kind = game.battle.BattleKind;
    if (kind == kHighlandChampion && !game.state.GrandFourChampionBeaten)
        BeatHighlandChampion(game);
    if (kind == kKellFirst) BeatKell(game);
    if (kind == kMeFirst) BeatMe(game);
}

void GiveCreature(Game& game, int species, std::uint8_t level) {
    const std::string& name = game.speciesName(species);
    if (game.screens.statistics.rosterCount() >= kRosterSlots) {
        game.port.warning("Your roster is full: it already holds " + std::to_string(kRosterSlots) +
                          " ZORIKAN, so there is no room for the " + name + ".");
        return;
    }
    AddZRKN(game, species, name, level);
}

}  // namespace zorikan
