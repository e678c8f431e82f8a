#pragma once
// The Mart: balls and potions for money. The player picks an item and a
// quantity, sees the exact total and buys.

#include <cstdint>

#include "core/game/game.h"

namespace zorikan {

struct MartItem {
    const char* entry;  // RadioGroup1's entry
    std::uint32_t price;
    std::uint32_t GameState::*count;
    const char* line1;  // Label2
    const char* line2;  // Label3; empty for none
};

// Master Balls are not for sale: they come from prizes and the Game Corner.
inline constexpr MartItem kMartItems[] = {
    {"ZORIBalls", 1000, &GameState::ZoriBalls, "A standard ZORIBALL.",
     "Used for catching ZORIKAN."},
    {"Great Balls", 3000, &GameState::GreatBalls, "This Ball has good chances",
     "of capturing a ZORIKAN."},
    {"Ultra Balls", 6000, &GameState::UltraBalls, "Has a very high chance of",
     "capturing a ZORIKAN."},
    {"Potions", 2000, &GameState::Potions, "Restores 50HP in battle.", ""},
    {"Super Potions", 5000, &GameState::SuperPotions, "Restores 100HP in battle.", ""},
};
inline constexpr int kMartItemCount = 5;
inline constexpr std::int32_t kMartMaxQuantity = 2147483647;
inline constexpr const char* kMartCaption =
    "Welcome to ZORIKAN Mart! Click an item for a description.";

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
