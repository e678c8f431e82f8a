#pragma once
// The Game Corner: a number lottery. The player stakes money on a number
// from 0 to 9 and a prize kind; a matching lucky number pays the stake back
// tenfold in money, or as items at a fixed stake per item.

#include <cstdint>
#include <string>

#include "core/game/game.h"
#include "core/text/catalogue.h"

namespace zorikan {

struct PrizeKind {
    const Message& entry;  // RadioGroup1's entry
    std::uint32_t unit;    // the stake that buys one item; 0 for money
    const Message& one;    // the count of items won, for 0 or 1 of them
    const Message& many;   // and from 2
    std::uint32_t GameState::*count;
};

inline constexpr PrizeKind kPrizeKinds[] = {
    {text::kPlayForMoney, 0, text::kMoneyPrize, text::kMoneyPrize, &GameState::Money},
    {text::kPlayForZoriBalls, 100, text::kOneZoriBall, text::kManyZoriBalls, &GameState::ZoriBalls},
    {text::kPlayForGreatBalls, 300, text::kOneGreatBall, text::kManyGreatBalls,
     &GameState::GreatBalls},
    {text::kPlayForUltraBalls, 600, text::kOneUltraBall, text::kManyUltraBalls,
     &GameState::UltraBalls},
    {text::kPlayForMasterBalls, 2500, text::kOneMasterBall, text::kManyMasterBalls,
     &GameState::MasterBalls},
    {text::kPlayForPotions, 200, text::kOnePotion, text::kManyPotions, &GameState::Potions},
    {text::kPlayForSuperPotions, 500, text::kOneSuperPotion, text::kManySuperPotions,
     &GameState::SuperPotions},
};
inline constexpr int kPrizeKindCount = 7;
inline constexpr int kDrawsPerGame = 10000;
inline constexpr std::uint32_t kBetStep = 50;

// What a won game pays for `bet` on prize kind `kind`, before any cap.
struct Prize {
    std::uint64_t items = 0;
    std::uint64_t money = 0;
};
Prize GameCornerPrize(int kind, std::uint32_t bet);

// The prize message: "10000¥!" for money, "2 ZORIBalls and 500¥!" for items.
std::string PrizeText(int kind, const Prize& prize);

// "Game Corner": shows the window; when it was closed, with the bet at 0,
// no prize kind and the bet's maximum at the money of this moment.
void ShowGameCorner(Game& game);

// SpinEdit1, RadioGroup1 and RadioGroup2 changed. Ignored while drawing.
void SetBet(Game& game, std::uint64_t bet);
void ChoosePrizeKind(Game& game, int kind);
void PickNumber(Game& game, int number);

// "Draw number!": takes the stake (the statistics window shows it at once)
// and makes all the game's draws, which the window then shows flickering
// before FinishDraw reveals the result. False when no game started: a bet
// above the money, or a warning about a missing choice.
bool StartDraw(Game& game);

// Shows draw `index` (0-based) of the game under way as the lucky number.
void ShowDrawStep(Game& game, int index);

// The end of the flicker: the last draw stands as the lucky number and a
// match is paid. Money and item counts stop at their 32-bit maximum; the
// message names what was credited.
void FinishDraw(Game& game);

// A game is under way from "Draw number!" until its reveal. Meanwhile no
// other command may act: the menus, "Close" and the main window's close wait.
bool DrawInProgress(const Game& game);

// "Close"; false while a game is under way.
bool CloseGameCorner(Game& game);

}  // namespace zorikan
