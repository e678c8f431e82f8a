#pragma once
// The Mart: balls and potions for money. The player picks an item and a
// quantity, sees the exact total and buys.

#include <array>
#include <cstdint>
#include <string>

#include "core/game/game.h"
#include "core/text/catalogue.h"

namespace zorikan {

// The Mart's entries: the items it sells, in the items' order.
inline constexpr int kMartItemCount =
    CountItems([](const ItemRow& row) { return row.mart.price != 0; });

constexpr std::array<ItemButton, kMartItemCount> MartItems() {
    std::array<ItemButton, kMartItemCount> sold{};
    int entry = 0;
    for (const ItemRow& row : kItems)
        if (row.mart.price != 0) sold[entry++] = row.item;
    return sold;
}
inline constexpr std::array<ItemButton, kMartItemCount> kMartItems = MartItems();

inline constexpr std::int32_t kMartMaxQuantity = 2147483647;

// The row of Mart entry `entry` (0 .. kMartItemCount - 1).
const ItemRow& MartItem(int entry);

// The two lines of Mart entry `entry`'s description; the second may be empty.
std::array<std::string, 2> MartDescription(int entry);

// The exact price of `quantity` of Mart entry `item`; 0 when no item is chosen.
std::uint64_t MartTotal(int item, std::int64_t quantity);

// Whether the order can be paid and carried: something to pay, no more than
// the money, and no item count pushed past its 32-bit maximum.
bool MartOrderPossible(const GameState& state, int item, std::int64_t quantity);

// "Buy Items": shows the Mart, reset to no item and quantity 0 whenever it
// was not already open.
void ShowMart(Game& game);

// RadioGroup1: an item was chosen; its description replaces the last one.
void MartItemChosen(Game& game, int item);

// SpinEdit1: the quantity changed; clamped to 0..2147483647.
void MartQuantityChanged(Game& game, std::int64_t quantity);

// The price box and "Buy" again, for money or stock that changed elsewhere
// while the Mart stayed open.
void MartRecheck(Game& game);

// "Buy": pays for the order and closes the Mart. The money and the stock are
// checked again at this moment; an order that is no longer possible takes
// nothing, leaves the Mart open and disables "Buy". True when bought.
bool MartBuy(Game& game);

// "Leave".
void LeaveMart(Game& game);

}  // namespace zorikan
