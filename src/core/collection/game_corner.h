#pragma once
// The Game Corner: a number lottery. The player stakes money on a number
// from 0 to 9 and a prize kind; a matching lucky number pays the stake back
// tenfold in money, or as items at a fixed stake per item.

#include <cstdint>
#include <optional>
#include <string>

#include "core/game/game.h"
#include "core/text/catalogue.h"

namespace zorikan {

// RadioGroup1's entries: money first, then each item the Game Corner pays
// out, in the items' order.
inline constexpr int kPrizeKindCount =
    1 + CountItems([](const ItemRow& row) { return row.corner.unit != 0; });
// Money pays the stake back this many times over.
inline constexpr std::uint32_t kMoneyPayout = 10;

// The item prize kind `kind` (from 1) pays out; none for money.
std::optional<ItemButton> PrizeItem(int kind);

// RadioGroup1's entry for prize kind `kind`.
std::string PrizeKindEntry(int kind);

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
