#include "core/collection/game_corner.h"

#include "core/game/freshen.h"
#include "core/shared/saturating.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

bool IsPrizeKind(int kind) {
    return kind >= 0 && kind < kPrizeKindCount;
}

}  // namespace

std::optional<ItemButton> PrizeItem(int kind) {
    int entry = 0;
    for (const ItemRow& row : kItems)
        if (row.corner.unit != 0 && ++entry == kind) return row.item;
    return std::nullopt;
}

std::string PrizeKindEntry(int kind) {
    const std::optional<ItemButton> item = PrizeItem(kind);
    if (!item) return Text(text::kPlayForMoney, {std::to_string(kMoneyPayout)});
    const CornerOffer& offer = kItems[*item].corner;
    return Text(offer.entry, {std::to_string(offer.unit)});
}

Prize GameCornerPrize(int kind, std::uint32_t bet) {
    const std::optional<ItemButton> item = PrizeItem(kind);
    // Ten times a bet of up to 4294967295 needs 64 bits.
    if (!item) return {0, std::uint64_t{bet} * kMoneyPayout};
    const std::uint32_t unit = kItems[*item].corner.unit;
    return {bet / unit, std::uint64_t{bet % unit} * kMoneyPayout};
}

std::string PrizeText(int kind, const Prize& prize) {
    const std::optional<ItemButton> item = PrizeItem(kind);
    if (!item) return Text(text::kMoneyPrize, {std::to_string(prize.money)});
    const CornerOffer& offer = kItems[*item].corner;
    const std::string items =
        Text(prize.items > 1 ? offer.many : offer.one, {std::to_string(prize.items)});
    if (prize.money == 0) return Text(text::kItemPrize, {items});
    return Text(text::kItemAndMoneyPrize, {items, std::to_string(prize.money)});
}

void ShowGameCorner(Game& game) {
    if (!game.isVisible(Window::GameCorner)) {
        GameCornerModel& corner = game.screens.gameCorner;
        corner.bet = 0;
        corner.prizeKind = -1;
        corner.betMaximum = game.state.Money;
    }
    game.setVisible(Window::GameCorner, true);
}

void SetBet(Game& game, std::uint64_t bet) {
    GameCornerModel& corner = game.screens.gameCorner;
    if (corner.drawing) return;
    corner.bet = static_cast<std::uint32_t>(bet < corner.betMaximum ? bet : corner.betMaximum);
}

void ChoosePrizeKind(Game& game, int kind) {
    GameCornerModel& corner = game.screens.gameCorner;
    if (!corner.drawing) corner.prizeKind = IsPrizeKind(kind) ? kind : -1;
}

void PickNumber(Game& game, int number) {
    GameCornerModel& corner = game.screens.gameCorner;
    if (!corner.drawing) corner.pickedNumber = number >= 0 && number <= 9 ? number : -1;
}

bool StartDraw(Game& game) {
    GameCornerModel& corner = game.screens.gameCorner;
    if (corner.drawing) return false;
    // The money may have fallen since the window was shown: such a bet
    // silently does nothing.
    if (corner.bet > game.state.Money) return false;
    if (corner.prizeKind < 0) {
        game.port.warning(Text(text::kSelectPrizeKind));
        return false;
    }
    if (corner.pickedNumber < 0) {
        game.port.warning(Text(text::kSelectNumber));
        return false;
    }
    game.state.Money -= corner.bet;
    Freshen(game);

    GameCornerDraw& draw = corner.draw;
    draw.bet = corner.bet;
    draw.prizeKind = corner.prizeKind;
    draw.pickedNumber = corner.pickedNumber;
    draw.draws.resize(kDrawsPerGame);
    for (std::uint8_t& number : draw.draws) number = static_cast<std::uint8_t>(game.rng.Random(10));
    corner.drawing = true;
    corner.luckyNumber = draw.draws.front();
    return true;
}

void ShowDrawStep(Game& game, int index) {
    GameCornerModel& corner = game.screens.gameCorner;
    if (!corner.drawing || index < 0 || index >= kDrawsPerGame) return;
    corner.luckyNumber = corner.draw.draws[index];
}

void FinishDraw(Game& game) {
    GameCornerModel& corner = game.screens.gameCorner;
    if (!corner.drawing) return;
    const GameCornerDraw& draw = corner.draw;
    corner.luckyNumber = draw.draws.back();
    // The game stays under way until its prize is paid and announced.
    if (draw.pickedNumber == corner.luckyNumber) {
        game.port.information(Text(text::kYouWon));
        const Prize prize = GameCornerPrize(draw.prizeKind, draw.bet);
        Prize credited;
        if (const std::optional<ItemButton> item = PrizeItem(draw.prizeKind))
            credited.items = AddCapped(game.state.*kItems[*item].count, prize.items);
        credited.money = AddCapped(game.state.Money, prize.money);
        game.port.information(PrizeText(draw.prizeKind, credited));
    }
    corner.drawing = false;
}

bool DrawInProgress(const Game& game) {
    return game.screens.gameCorner.drawing;
}

bool CloseGameCorner(Game& game) {
    if (DrawInProgress(game)) return false;
    game.setVisible(Window::GameCorner, false);
    return true;
}

}  // namespace zorikan
