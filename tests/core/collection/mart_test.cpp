// The Mart: the exact total, when "Buy" may be pressed, what buying does and
// the reset of each opening.

#include <gtest/gtest.h>

#include <limits>

#include "core/collection/game_corner.h"
#include "core/collection/mart.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;
using testing::Shown;

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

enum { ZoriBalls, GreatBalls, UltraBalls, Potions, SuperPotions };

class MartTest : public GameTest {
protected:
    const MartModel& mart = game.screens.mart;

    void order(int item, std::int64_t quantity) {
        MartItemChosen(game, item);
        MartQuantityChanged(game, quantity);
    }
};

TEST(MartTotal, IsExactForEveryItemAndAnyQuantity) {
    EXPECT_EQ(MartTotal(ZoriBalls, 3), 3000u);
    EXPECT_EQ(MartTotal(GreatBalls, 3), 9000u);
    EXPECT_EQ(MartTotal(UltraBalls, 3), 18000u);
    EXPECT_EQ(MartTotal(Potions, 3), 6000u);
    EXPECT_EQ(MartTotal(SuperPotions, 3), 15000u);
    // Far past what 32 bits hold: no wrap makes it cheap.
    EXPECT_EQ(MartTotal(UltraBalls, 2147483647), 12884901882000u);
    EXPECT_EQ(MartTotal(ZoriBalls, 4294968), 4294968000u);
    EXPECT_EQ(MartTotal(-1, 5), 0u);
    EXPECT_EQ(MartTotal(ZoriBalls, 0), 0u);
}

TEST_F(MartTest, ExactlyTheMoneyBuysOneZoriBallButNotTwo) {
    game.state.Money = 1000;
    game.state.ZoriBalls = 3;
    ShowMart(game);
    order(ZoriBalls, 2);
    EXPECT_EQ(mart.price, "2000¥");
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_FALSE(MartBuy(game));
    EXPECT_EQ(game.state.Money, 1000u);
    EXPECT_EQ(game.state.ZoriBalls, 3u);

    MartQuantityChanged(game, 1);
    EXPECT_EQ(mart.price, "1000¥");
    EXPECT_TRUE(mart.buyEnabled);
    EXPECT_TRUE(MartBuy(game));
    EXPECT_EQ(game.state.Money, 0u);
    EXPECT_EQ(game.state.ZoriBalls, 4u);
    EXPECT_FALSE(game.isVisible(Window::Mart));
    // Buying says nothing; the statistics window shows the new stock.
    EXPECT_TRUE(port.boxes(Shown::Information).empty());
}

TEST_F(MartTest, EachItemRaisesItsOwnCount) {
    game.state.Money = 100'000;
    const std::pair<int, std::uint32_t GameState::*> items[] = {
        {ZoriBalls, &GameState::ZoriBalls},
        {GreatBalls, &GameState::GreatBalls},
        {UltraBalls, &GameState::UltraBalls},
        {Potions, &GameState::Potions},
        {SuperPotions, &GameState::SuperPotions}};
    std::uint32_t spent = 0;
    for (auto [item, count] : items) {
        ShowMart(game);
        order(item, 2);
        ASSERT_TRUE(MartBuy(game)) << item;
        EXPECT_EQ(game.state.*count, 2u) << item;
        spent += 2 * MartItem(item).mart.price;
        EXPECT_EQ(game.state.Money, 100'000u - spent);
    }
    EXPECT_EQ(game.state.MasterBalls, 0u);  // not for sale
}

TEST_F(MartTest, AHugeOrderStaysUnaffordable) {
    game.state.Money = kMax32;
    ShowMart(game);
    order(UltraBalls, 2147483647);
    EXPECT_EQ(mart.price, "12884901882000¥");
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_FALSE(MartBuy(game));
    EXPECT_EQ(game.state.Money, kMax32);
    EXPECT_EQ(game.state.UltraBalls, 0u);

    // The box's range holds whatever is typed or stepped.
    MartQuantityChanged(game, 5'000'000'000);
    EXPECT_EQ(mart.quantity, 2147483647);
    MartQuantityChanged(game, -4);
    EXPECT_EQ(mart.quantity, 0);
    EXPECT_EQ(mart.price, "0¥");
}

TEST_F(MartTest, NothingToPayKeepsBuyDisabled) {
    game.state.Money = 50'000;
    ShowMart(game);
    MartQuantityChanged(game, 3);  // no item chosen yet
    EXPECT_EQ(mart.price, "0¥");
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_FALSE(MartBuy(game));
    MartItemChosen(game, Potions);
    EXPECT_TRUE(mart.buyEnabled);
    MartQuantityChanged(game, 0);
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_EQ(game.state.Money, 50'000u);
}

TEST_F(MartTest, DescriptionsFollowTheChosenItem) {
    ShowMart(game);
    MartItemChosen(game, GreatBalls);
    EXPECT_EQ(mart.description1, "This Ball has good chances");
    EXPECT_EQ(mart.description2, "of capturing a ZORIKAN.");
    MartItemChosen(game, Potions);
    EXPECT_EQ(mart.description1, "Restores 50HP in battle.");
    EXPECT_EQ(mart.description2, "");
    // A quantity change leaves them as they are.
    MartQuantityChanged(game, 7);
    EXPECT_EQ(mart.description1, "Restores 50HP in battle.");
    MartItemChosen(game, ZoriBalls);
    EXPECT_EQ(mart.description1, "A standard ZORIBALL.");
    EXPECT_EQ(mart.description2, "Used for catching ZORIKAN.");
    EXPECT_EQ(mart.price, "7000¥");
}

// Each entry of "Item to buy:" with its two description lines.
TEST_F(MartTest, EachEntryShowsItsOwnDescription) {
    const struct {
        const char* entry;
        const char* line1;
        const char* line2;
    } items[] = {
        {"ZORIBalls", "A standard ZORIBALL.", "Used for catching ZORIKAN."},
        {"Great Balls", "This Ball has good chances", "of capturing a ZORIKAN."},
        {"Ultra Balls", "Has a very high chance of", "capturing a ZORIKAN."},
        {"Potions", "Restores 50HP in battle.", ""},
        {"Super Potions", "Restores 100HP in battle.", ""},
    };
    ASSERT_EQ(std::size(kMartItems), std::size(items));
    ShowMart(game);
    for (int item = 0; item < kMartItemCount; ++item) {
        EXPECT_EQ(Text(MartItem(item).mart.entry), items[item].entry);
        MartItemChosen(game, item);
        EXPECT_EQ(mart.description1, items[item].line1);
        EXPECT_EQ(mart.description2, items[item].line2);
    }
}

TEST_F(MartTest, EveryOpeningStartsAfresh) {
    game.state.Money = 9000;
    ShowMart(game);
    EXPECT_TRUE(game.isVisible(Window::Mart));
    order(UltraBalls, 1);
    // Asking for the open Mart again only brings it forward.
    ShowMart(game);
    EXPECT_EQ(mart.selectedItem, UltraBalls);
    EXPECT_TRUE(mart.buyEnabled);

    LeaveMart(game);
    EXPECT_FALSE(game.isVisible(Window::Mart));
    EXPECT_EQ(game.state.Money, 9000u);
    ShowMart(game);
    EXPECT_EQ(mart.selectedItem, -1);
    EXPECT_EQ(mart.quantity, 0);
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_EQ(mart.description1, "");
    EXPECT_EQ(mart.description2, "");
    EXPECT_EQ(mart.price, "0¥");
}

TEST_F(MartTest, MoneySpentInTheGameCornerIsCheckedAtTheMomentOfBuying) {
    game.state.Money = 5000;
    ShowMart(game);
    order(Potions, 2);
    ASSERT_TRUE(mart.buyEnabled);

    // With the Mart still open, 2000 are staked in the Game Corner.
    ShowGameCorner(game);
    SetBet(game, 2000);
    ChoosePrizeKind(game, 0);
    PickNumber(game, 3);
    random.draws.assign(kDrawsPerGame, 4);
    ASSERT_TRUE(StartDraw(game));
    FinishDraw(game);
    ASSERT_EQ(game.state.Money, 3000u);

    EXPECT_FALSE(MartBuy(game));
    EXPECT_EQ(game.state.Money, 3000u);
    EXPECT_EQ(game.state.Potions, 0u);
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_TRUE(game.isVisible(Window::Mart));
    // One potion is still affordable.
    MartQuantityChanged(game, 1);
    EXPECT_TRUE(MartBuy(game));
    EXPECT_EQ(game.state.Money, 1000u);
}

TEST_F(MartTest, RegainingFocusRechecksTheOrder) {
    game.state.Money = 6000;
    ShowMart(game);
    order(UltraBalls, 1);
    ASSERT_TRUE(mart.buyEnabled);
    game.state.Money = 5999;
    MartRecheck(game);
    EXPECT_FALSE(mart.buyEnabled);
    game.state.Money = 12'000;
    MartRecheck(game);
    EXPECT_TRUE(mart.buyEnabled);
}

TEST_F(MartTest, AnOrderPastTheItemCountsMaximumTakesNoMoney) {
    game.state.Money = 1'000'000;
    game.state.SuperPotions = kMax32 - 1;
    ShowMart(game);
    order(SuperPotions, 2);
    EXPECT_FALSE(mart.buyEnabled);
    EXPECT_FALSE(MartBuy(game));
    EXPECT_EQ(game.state.Money, 1'000'000u);
    EXPECT_EQ(game.state.SuperPotions, kMax32 - 1);

    MartQuantityChanged(game, 1);
    EXPECT_TRUE(MartBuy(game));
    EXPECT_EQ(game.state.SuperPotions, kMax32);
    EXPECT_EQ(game.state.Money, 995'000u);
}

}  // namespace
}  // namespace zorikan
