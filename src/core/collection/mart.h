#pragma once
// The Mart: balls and potions for money. The player picks an item and a
// quantity, sees the exact total and buys.

#include <cstdint>

#include "core/game/game.h"
#include "core/text/catalogue.h"

namespace zorikan {

struct MartItem {
    const Message& entry;  // RadioGroup1's entry
    std::uint32_t price;
    std::uint32_t GameState::*count;
    const Message& line1;  // Label2
    const Message* line2;  // Label3; null for none
};

// Master Balls are not for sale: they come from prizes and the Game Corner.
inline constexpr MartItem kMartItems[] = {
    {text::kMartZoriBalls, 1000, &GameState::ZoriBalls, text::kZoriBallLine1,
     &text::kZoriBallLine2},
    {text::kMartGreatBalls, 3000, &GameState::GreatBalls, text::kGreatBallLine1,
     &text::kGreatBallLine2},
    {text::kMartUltraBalls, 6000, &GameState::UltraBalls, text::kUltraBallLine1,
     &text::kUltraBallLine2},
    {text::kMartPotions, 2000, &GameState::Potions, text::kPotionLine, nullptr},
    {text::kMartSuperPotions, 5000, &GameState::SuperPotions, text::kSuperPotionLine, nullptr},
};
inline constexpr int kMartItemCount = 5;
inline constexpr std::int32_t kMartMaxQuantity = 2147483647;

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
