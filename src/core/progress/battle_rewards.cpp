#include "core/progress/battle_rewards.h"

#include <string>

#include "core/collection/roster.h"
#include "core/progress/opponent_menus.h"
#include "core/progress/opponents.h"
#include "core/shared/saturating.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

// The bonus for beating the last leader of a region, by the badge count it brings.
struct RegionBonus {
    std::uint8_t badges;
    std::uint32_t money;
    const Message& box;
};

constexpr RegionBonus kRegionBonuses[] = {
    {8, 2500, text::kAldmarkBonus},
    {16, 3000, text::kBrennarBonus},
    {24, 5000, text::kCyrelleBonus},
};

void BeatHighlandChampion(Game& game) {
    game.state.GrandFourChampionBeaten = true;
    game.port.information(Text(text::kBeatHighlandChampion));
    AddCapped(game.state.MasterBalls, 1);
    game.port.information(Text(text::kMasterBallNote));
    game.screens.menus.enable(MenuItem::BrennarGymLeaders1);
}

void BeatKell(Game& game) {
    game.port.information(Text(text::kBeatKell, {game.speciesName(251)}));
    GiveCreature(game, 251, 5);
    game.screens.menus.enable(MenuItem::Me1);
    game.state.KellBeaten = true;
}

void BeatMe(Game& game) {
    game.port.information(Text(text::kBeatMe, {game.speciesName(151)}));
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
    game.port.information(Text(text::kEarnedBadge, {game.data.BadgeNames[s.BadgeCount]}));
    EnableGymLeaders(game);
    for (const RegionBonus& bonus : kRegionBonuses)
        if (s.BadgeCount == bonus.badges) {
            game.port.information(Text(bonus.box));
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
        game.port.warning(Text(text::kNoRoomForGift, {std::to_string(kRosterSlots), name}));
        return;
    }
    AddZRKN(game, species, name, level);
}

}  // namespace zorikan
