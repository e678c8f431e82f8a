#pragma once
// What must hold of a game after every action of the soak: the roster, the
// levels, the counters, the battle under way and the menus. Each check
// returns the broken rule's description, or nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/game/game.h"

namespace zorikan::soak {

// The counters an action may change, widened so a wrap shows as a fall: each
// item's count at its item's index, then the catches.
inline constexpr int kCatchesCounter = kItemButtonCount;
inline constexpr int kCounterCount = kItemButtonCount + 1;

struct Counters {
    std::int64_t money = 0;
    std::int64_t items[kCounterCount] = {};

    static Counters Of(const GameState& state);
};

// What an action is allowed to take: the money it spends (a purchase, a fee,
// a stake), whether a lost battle may halve the money, and the item it uses.
struct Allowance {
    std::int64_t spend = 0;
    bool mayHalveMoney = false;
    int usedItem = -1;  // index into Counters::items
};

// An item the player can click: it and every menu above it are enabled.
bool Reachable(const MenuModel& menus, MenuItem item);

// The filled slots 1..n, counted up to the first empty one.
int RosterCount(const GameState& state);

std::optional<std::string> CheckState(const Game& game);
std::optional<std::string> CheckCounters(const Counters& before, const Counters& after,
                                         const Allowance& allowed);

}  // namespace zorikan::soak
