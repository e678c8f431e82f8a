#include "invariants.h"

#include <span>

#include "core/collection/collection_modes.h"
#include "core/model/menu_layout.h"
#include "core/progress/opponent_menus.h"

namespace zorikan::soak {

namespace {

std::optional<std::string> Fail(const std::string& what) {
    return what;
}

std::string SlotText(int slot) {
    return "slot " + std::to_string(slot) + ": ";
}

std::optional<std::string> CheckRoster(const Game& game) {
    const GameState& s = game.state;
    if (s.RosterSpecies.size() != kRosterSlots + 1 || s.RosterLevel.size() != kRosterSlots + 1 ||
        s.RosterExp.size() != kRosterSlots + 1)
        return Fail("roster tables resized");
    const int count = RosterCount(s);
    if (count < 1) return Fail("roster empty");
    for (int slot = count + 1; slot <= kRosterSlots; ++slot)
        if (s.RosterSpecies[slot] != 0) return Fail(SlotText(slot) + "filled after a gap");
    for (int slot = 1; slot <= count; ++slot) {
        const int species = s.RosterSpecies[slot];
        const int level = s.RosterLevel[slot];
        const std::uint32_t exp = s.RosterExp[slot];
        if (!IsSpecies(species)) return Fail(SlotText(slot) + "species " + std::to_string(species));
        if (!s.OwnedFlags[species])
            return Fail(SlotText(slot) + "species " + std::to_string(species) + " not registered");
        if (level < 1 || level > kMaxLevel)
            return Fail(SlotText(slot) + "level " + std::to_string(level));
        if (exp > kMaxExperience) return Fail(SlotText(slot) + "experience " + std::to_string(exp));
        // A level may lag behind its experience inside a tournament or a
        // series, but never runs ahead of it.
        if (exp < LevelThreshold(level))
            return Fail(SlotText(slot) + "level " + std::to_string(level) + " above experience " +
                        std::to_string(exp));
    }
    // The statistics window lists exactly the filled slots, each with its picture.
    const auto& list = game.screens.statistics.rosterList;
    if (static_cast<int>(list.size()) != count)
        return Fail("roster list has " + std::to_string(list.size()) + " entries for " +
                    std::to_string(count) + " creatures");
    for (int slot = 1; slot <= count; ++slot)
        if (list[slot - 1].imageIndex != s.RosterSpecies[slot] - 1)
            return Fail(SlotText(slot) + "list picture differs from the species");
    return std::nullopt;
}

bool BattleUnderWay(const Game& game) {
    return game.battle.InWildBattle || game.battle.InTrainerBattle;
}

std::optional<std::string> CheckBattle(const Game& game) {
    const BattleState& b = game.battle;
    const GameState& s = game.state;
    const ArenaModel& arena = game.screens.main.arena;
    const int count = RosterCount(s);
    if (b.InWildBattle && b.InTrainerBattle) return Fail("wild and trainer battle at once");
    if (b.InTournament && !b.InTrainerBattle) return Fail("tournament outside a trainer battle");
    if (arena.visible != BattleUnderWay(game)) return Fail("arena shown without a battle or back");
    if (!BattleUnderWay(game)) {
        if (arena.goVisible || arena.endVisible) return Fail("Go!/End Fight shown when idle");
        // Only a pending split evolution keeps the list locked outside battle.
        if (!game.screens.statistics.rosterListEnabled && !SplitChoicePending(game))
            return Fail("roster list locked when idle");
        if (SplitChoicePending(game) != game.screens.main.evolveChoice.visible)
            return Fail("split evolution pending without its choice, or back");
        // Between battles every level has caught up with its experience.
        for (int slot = 1; slot <= count; ++slot) {
            const int level = s.RosterLevel[slot];
            if (level < kMaxLevel && s.RosterExp[slot] >= LevelThreshold(level + 1))
                return Fail(SlotText(slot) + "level " + std::to_string(level) +
                            " lags behind experience " + std::to_string(s.RosterExp[slot]));
        }
        return std::nullopt;
    }
    if (!IsSpecies(b.OppSpecies)) return Fail("opponent species " + std::to_string(b.OppSpecies));
    if (b.OppLevel < 1 || b.OppLevel > kMaxLevel)
        return Fail("opponent level " + std::to_string(b.OppLevel));
    if (b.OppHP < 0 || b.OppHP > b.OppLevel * 10)
        return Fail("opponent HP " + std::to_string(b.OppHP));
    if (arena.goVisible && arena.endVisible) return Fail("Go! and End Fight both shown");
    const StatisticsModel& stats = game.screens.statistics;
    if (stats.itemButtonsVisible != arena.goVisible)
        return Fail("item buttons shown while Go! is not, or back");
    if (stats.itemButtonsVisible) {
        for (const ItemRow& item : kItems) {
            if (!stats.itemButtonEnabled[item.item]) continue;
            if (s.*item.count == 0)
                return Fail("item button " + std::to_string(item.item) + " enabled with none left");
            const bool potion = item.use == ItemUse::Potion;
            if (!potion && b.InTrainerBattle)
                return Fail("ball button enabled in a trainer battle");
            if (potion && b.InTournament) return Fail("potion button enabled in a tournament");
        }
    }
    const bool fighterOut = !game.screens.statistics.rosterListEnabled;
    if (arena.goVisible || (fighterOut && !arena.endVisible)) {
        if (b.ActiveSlot < 1 || b.ActiveSlot > count)
            return Fail("fighter slot " + std::to_string(b.ActiveSlot));
        const int maxHp = s.RosterLevel[b.ActiveSlot] * 10;
        if (b.OwnHP <= 0 || b.OwnHP > maxHp)
            return Fail("fighter HP " + std::to_string(b.OwnHP) + " of " + std::to_string(maxHp));
        if (b.OppHP <= 0) return Fail("Go! shown against a beaten opponent");
    }
    if (!fighterOut && !arena.endVisible) {
        // Waiting for a fighter: one must be allowed to step up.
        bool choosable = b.InWildBattle;
        for (int slot = 1; !choosable && slot <= count; ++slot)
            choosable = s.RosterLevel[slot] >= s.MinLevel && s.RosterLevel[slot] <= s.MaxLevel;
        if (!choosable)
            return Fail("trainer battle with no fighter in levels " + std::to_string(s.MinLevel) +
                        ".." + std::to_string(s.MaxLevel));
    }
    return std::nullopt;
}

std::optional<std::string> CheckMenus(const Game& game) {
    const MenuModel& menus = game.screens.menus;
    const GameState& s = game.state;
    const CollectionModes& modes = game.screens.modes;
    if (BattleUnderWay(game) && menus.isEnabled(MenuItem::Action1))
        return Fail("Actions menu enabled during a battle");
    const bool idle = !BattleUnderWay(game) && !game.screens.main.wildPanel.visible;
    if (!idle) return std::nullopt;
    if (!menus.isEnabled(MenuItem::Action1)) return Fail("Actions menu disabled when idle");
    if (modes.EvolutionMode && modes.ReleaseMode) return Fail("both collection modes on");
    const bool free = !modes.EvolutionMode && !modes.ReleaseMode && !SplitChoicePending(game);
    for (MenuItem item :
         {MenuItem::FightTrainer1, MenuItem::FightWild1, MenuItem::Tournaments1, MenuItem::Buy1})
        if (menus.isEnabled(item) != free)
            return Fail(std::string(ObjectName(item)) + (free ? " disabled" : " enabled") +
                        " with the collection modes " + (free ? "off" : "on"));
    // Every opponent the progress has opened is offered, nothing beyond.
    for (int badges = 1; badges <= kBadgeCount; ++badges) {
        const MenuItem item = *MenuItemForBadge(static_cast<std::uint8_t>(badges));
        if (menus.isEnabled(item) != (badges <= s.BadgeCount))
            return Fail(std::string(ObjectName(item)) + " enabled state against " +
                        std::to_string(s.BadgeCount) + " badges");
    }
    if (menus.isEnabled(MenuItem::BrennarGymLeaders1) != s.GrandFourChampionBeaten)
        return Fail("Brennar leaders against the Highland champion");
    if (menus.isEnabled(MenuItem::Me1) != s.KellBeaten) return Fail("Me against Kell beaten");
    if (menus.isEnabled(MenuItem::CyrelleGymLeaders1) != s.MeBeaten)
        return Fail("Cyrelle leaders against Me beaten");
    if (free && !Reachable(menus, MenuItem::Dorn1))
        return Fail("the first leader cannot be reached");
    return std::nullopt;
}

}  // namespace

Counters Counters::Of(const GameState& s) {
    Counters c;
    c.money = s.Money;
    for (const ItemRow& item : kItems) c.items[item.item] = s.*item.count;
    c.items[kCatchesCounter] = s.Catches;
    return c;
}

int RosterCount(const GameState& state) {
    int count = 0;
    while (count < kRosterSlots && state.RosterSpecies[count + 1] != 0) ++count;
    return count;
}

// An item the player can click: it and every menu above it are enabled.
bool Reachable(const MenuModel& menus, MenuItem item) {
    for (std::optional<MenuItem> at = item; at; at = EntryOf(*at).parent)
        if (!menus.isEnabled(*at)) return false;
    return true;
}

std::optional<std::string> CheckState(const Game& game) {
    if (auto broken = CheckRoster(game)) return broken;
    if (auto broken = CheckBattle(game)) return broken;
    if (auto broken = CheckMenus(game)) return broken;
    const GameState& s = game.state;
    if (s.BadgeCount > kBadgeCount) return Fail("badge count " + std::to_string(s.BadgeCount));
    // Every win was fought by a fighter sent out. (A lost tournament match
    // counts twice among the losses, so they may run ahead of the fights.)
    if (s.Wins + s.Catches > s.Fights)
        return Fail("wins " + std::to_string(s.Wins) + " and catches " + std::to_string(s.Catches) +
                    " above fights " + std::to_string(s.Fights));
    return std::nullopt;
}

std::optional<std::string> CheckCounters(const Counters& before, const Counters& after,
                                         const Allowance& allowed) {
    if (after.money < before.money) {
        const bool spent = allowed.spend > 0 && after.money == before.money - allowed.spend;
        const bool halved = allowed.mayHalveMoney && after.money == before.money / 2;
        if (!spent && !halved)
            return Fail("money fell from " + std::to_string(before.money) + " to " +
                        std::to_string(after.money));
    }
    for (int i = 0; i < kCounterCount; ++i) {
        const std::int64_t fell = before.items[i] - after.items[i];
        if (fell > 0 && !(i == allowed.usedItem && fell == 1))
            return Fail("counter " + std::to_string(i) + " fell from " +
                        std::to_string(before.items[i]) + " to " + std::to_string(after.items[i]));
    }
    return std::nullopt;
}

}  // namespace zorikan::soak
