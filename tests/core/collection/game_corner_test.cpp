// The Game Corner: the warnings, the stake, the 10000 draws, the payouts with
// their messages, the 32-bit caps, and a game that nothing interrupts.

#include <gtest/gtest.h>

#include <limits>

#include "core/collection/game_corner.h"
#include "core/shared/saturating.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;
using testing::Shown;

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();
constexpr const char* kCongratulations = "Congratulations! You won! And your prize is...";

enum { Money, ZoriBalls, GreatBalls, UltraBalls, MasterBalls, Potions, SuperPotions };

TEST(AddCapped, StopsAtTheMaximumAndReportsWhatWasCredited) {
    std::uint32_t value = 10;
    EXPECT_EQ(AddCapped(value, 5), 5u);
    EXPECT_EQ(value, 15u);
    value = kMax32 - 3;
    EXPECT_EQ(AddCapped(value, 3), 3u);
    EXPECT_EQ(value, kMax32);
    value = kMax32 - 3;
    EXPECT_EQ(AddCapped(value, 10), 3u);
    EXPECT_EQ(value, kMax32);
    value = 7;
    EXPECT_EQ(AddCapped(value, 42'949'672'950ull), kMax32 - 7);
    EXPECT_EQ(value, kMax32);
    EXPECT_EQ(AddCapped(value, 1), 0u);
    EXPECT_EQ(value, kMax32);
}

TEST(GameCornerPrize, PaysTenfoldOrItemsWithTheRemainderInMoney) {
    EXPECT_EQ(GameCornerPrize(Money, 1000).money, 10000u);
    EXPECT_EQ(GameCornerPrize(Money, kMax32).money, 42'949'672'950ull);
    const Prize balls = GameCornerPrize(ZoriBalls, 250);
    EXPECT_EQ(balls.items, 2u);
    EXPECT_EQ(balls.money, 500u);
    const Prize potions = GameCornerPrize(SuperPotions, 1499);
    EXPECT_EQ(potions.items, 2u);
    EXPECT_EQ(potions.money, 4990u);
    const Prize units[] = {GameCornerPrize(GreatBalls, 300), GameCornerPrize(UltraBalls, 600),
                           GameCornerPrize(MasterBalls, 2500), GameCornerPrize(Potions, 200)};
    for (const Prize& p : units) {
        EXPECT_EQ(p.items, 1u);
        EXPECT_EQ(p.money, 0u);
    }
}

// The prize kinds as "Play for:" lists them, and the word a won item count takes.
TEST(GameCornerPrize, EachKindHasItsEntryAndItsWord) {
    const struct {
        const char* entry;
        const char* one;
        const char* two;
    } kinds[] = {
        {"Money (Pays out 10:1¥)", nullptr, nullptr},
        {"ZORIBalls (Pays out 1:100¥)", "1 ZORIBall!", "2 ZORIBalls!"},
        {"Great Balls (Pays out 1:300¥)", "1 Great Ball!", "2 Great Balls!"},
        {"Ultra Balls (Pays out 1:600¥)", "1 Ultra Ball!", "2 Ultra Balls!"},
        {"Master Balls (Pays out 1:2500¥)", "1 Master Ball!", "2 Master Balls!"},
        {"Potions (Pays out 1:200¥)", "1 Potion!", "2 Potions!"},
        {"Super Potions (Pays out 1:500¥)", "1 Super Potion!", "2 Super Potions!"},
    };
    ASSERT_EQ(kPrizeKindCount, static_cast<int>(std::size(kinds)));
    for (int kind = 0; kind < kPrizeKindCount; ++kind) {
        EXPECT_EQ(PrizeKindEntry(kind), kinds[kind].entry);
        if (!kinds[kind].one) continue;
        EXPECT_EQ(PrizeText(kind, {1, 0}), kinds[kind].one);
        EXPECT_EQ(PrizeText(kind, {2, 0}), kinds[kind].two);
    }
}

class GameCornerTest : public GameTest {
protected:
    const GameCornerModel& corner = game.screens.gameCorner;

    void SetUp() override { game.state.Money = 10'000; }

    // Opens the window and sets up one game.
    void prepare(std::uint64_t bet, int kind, int number) {
        ShowGameCorner(game);
        SetBet(game, bet);
        ChoosePrizeKind(game, kind);
        PickNumber(game, number);
    }
    // 10000 draws ending in `lucky`; the earlier ones run through 0..9.
    void scriptDraws(int lucky) {
        random.draws.clear();
        for (int i = 0; i + 1 < kDrawsPerGame; ++i) random.draws.push_back(i % 10);
        random.draws.push_back(lucky);
    }
    // One whole game: the lucky number is `lucky`.
    void play(std::uint64_t bet, int kind, int number, int lucky) {
        prepare(bet, kind, number);
        scriptDraws(lucky);
        random.ranges.clear();
        ASSERT_TRUE(StartDraw(game));
        EXPECT_TRUE(random.draws.empty()) << "a game draws 10000 numbers at once";
        // Each of the 10000 draws is one of ten numbers.
        EXPECT_EQ(random.ranges, std::vector<int>(10000, 10));
        FinishDraw(game);
    }
    std::vector<std::string> messages() const { return port.boxes(Shown::Information); }
};

TEST_F(GameCornerTest, TheBetsOfTheExamplesPayAndAnnounceTheirPrizes) {
    play(250, ZoriBalls, 7, 7);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCongratulations, "2 ZORIBalls and 500¥!"}));
    EXPECT_EQ(game.state.ZoriBalls, 2u);
    EXPECT_EQ(game.state.Money, 10'000u - 250 + 500);

    port.clear();
    game.state.Money = 10'000;
    play(100, ZoriBalls, 0, 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCongratulations, "1 ZORIBall!"}));
    EXPECT_EQ(game.state.ZoriBalls, 3u);
    EXPECT_EQ(game.state.Money, 9900u);

    port.clear();
    play(50, MasterBalls, 9, 9);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCongratulations, "0 Master Ball and 500¥!"}));
    EXPECT_EQ(game.state.MasterBalls, 0u);
    EXPECT_EQ(game.state.Money, 9900u - 50 + 500);

    port.clear();
    game.state.Money = 10'000;
    play(0, Money, 4, 4);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCongratulations, "0¥!"}));
    EXPECT_EQ(game.state.Money, 10'000u);

    port.clear();
    play(1499, SuperPotions, 2, 2);
    EXPECT_EQ(messages().back(), "2 Super Potions and 4990¥!");
    EXPECT_EQ(game.state.SuperPotions, 2u);
}

TEST_F(GameCornerTest, AMoneyBetShowsTheStakeAtOnceAndPaysTenfold) {
    prepare(1000, Money, 5);
    scriptDraws(5);
    ASSERT_TRUE(StartDraw(game));
    // The statistics window shows the lower money during the draw.
    EXPECT_EQ(game.state.Money, 9000u);
    EXPECT_EQ(game.screens.statistics.money, "9000");
    EXPECT_TRUE(messages().empty());
    FinishDraw(game);
    EXPECT_EQ(game.state.Money, 19'000u);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCongratulations, "10000¥!"}));
}

TEST_F(GameCornerTest, ALostGameKeepsTheStakeAndSaysNothing) {
    play(500, GreatBalls, 3, 8);
    EXPECT_EQ(game.state.Money, 9500u);
    EXPECT_EQ(game.state.GreatBalls, 0u);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(port.boxes(Shown::Warning).empty());
    EXPECT_EQ(corner.luckyNumber, 8);
    EXPECT_EQ(corner.pickedNumber, 3);
    EXPECT_FALSE(corner.drawing);
}

TEST_F(GameCornerTest, MissingChoicesWarnAndTakeNothing) {
    prepare(300, -1, 2);
    EXPECT_FALSE(StartDraw(game));
    EXPECT_EQ(port.boxes(Shown::Warning),
              std::vector<std::string>{"Please select something to play for."});

    port.clear();
    ChoosePrizeKind(game, Potions);
    PickNumber(game, -1);
    EXPECT_FALSE(StartDraw(game));
    EXPECT_EQ(port.boxes(Shown::Warning),
              std::vector<std::string>{"Please select a number to bet on."});
    // No stake, no draw (the scripted source fails on any draw).
    EXPECT_EQ(game.state.Money, 10'000u);
    EXPECT_FALSE(corner.drawing);
}

TEST_F(GameCornerTest, ABetAboveTheMoneyLeftDoesNothing) {
    prepare(8000, Money, 1);
    game.state.Money = 7999;  // spent in the Mart since the window was shown
    EXPECT_FALSE(StartDraw(game));
    EXPECT_TRUE(port.boxes(Shown::Warning).empty());
    EXPECT_EQ(game.state.Money, 7999u);
    // Even with no prize kind chosen, such a bet stays silent.
    ChoosePrizeKind(game, -1);
    EXPECT_FALSE(StartDraw(game));
    EXPECT_TRUE(port.boxes(Shown::Warning).empty());
}

TEST_F(GameCornerTest, ShowingTheWindowResetsTheBetAndPrizeKindOnly) {
    play(700, Potions, 6, 1);
    ASSERT_EQ(game.state.Money, 9300u);
    // The maximum stays at the money of the opening until the window reopens.
    SetBet(game, 9999);
    EXPECT_EQ(corner.bet, 9999u);
    EXPECT_EQ(corner.betMaximum, 10'000u);
    ASSERT_TRUE(CloseGameCorner(game));
    EXPECT_FALSE(game.isVisible(Window::GameCorner));

    ShowGameCorner(game);
    EXPECT_TRUE(game.isVisible(Window::GameCorner));
    EXPECT_EQ(corner.bet, 0u);
    EXPECT_EQ(corner.prizeKind, -1);
    EXPECT_EQ(corner.betMaximum, 9300u);
    EXPECT_EQ(corner.pickedNumber, 6);
    EXPECT_EQ(corner.luckyNumber, 1);
    SetBet(game, 20'000);
    EXPECT_EQ(corner.bet, 9300u);
}

TEST_F(GameCornerTest, TheBetCanExceedTheLargestSignedNumber) {
    game.state.Money = kMax32;
    ShowGameCorner(game);
    EXPECT_EQ(corner.betMaximum, kMax32);
    SetBet(game, 3'000'000'000ull);
    EXPECT_EQ(corner.bet, 3'000'000'000u);
}

TEST_F(GameCornerTest, AMoneyPrizeIsComputedIn64BitsAndStopsAtTheMaximum) {
    game.state.Money = 3'000'000'000u;
    play(3'000'000'000ull, Money, 2, 2);
    // 30000000000 won; the money stops at its maximum instead of wrapping.
    EXPECT_EQ(game.state.Money, kMax32);
    EXPECT_EQ(messages(), (std::vector<std::string>{kCongratulations, "4294967295¥!"}));

    port.clear();
    game.state.Money = 1'000'000'000u;
    play(500'000'000ull, Money, 2, 2);
    // 5000000000 won on the 500000000 left: only what fits is named.
    EXPECT_EQ(game.state.Money, kMax32);
    EXPECT_EQ(messages().back(), "3794967295¥!");
}

TEST_F(GameCornerTest, AnItemPrizeCreditsOnlyWhatTheCountsHold) {
    game.state.ZoriBalls = kMax32 - 1;
    play(350, ZoriBalls, 5, 5);
    EXPECT_EQ(game.state.ZoriBalls, kMax32);
    EXPECT_EQ(game.state.Money, 10'000u - 350 + 500);
    EXPECT_EQ(messages().back(), "1 ZORIBall and 500¥!");

    port.clear();
    game.state.Money = kMax32 - 100;
    game.state.Potions = kMax32;
    play(250, Potions, 1, 1);
    // The stake is taken first, so 150 of the 500 fit.
    EXPECT_EQ(game.state.Potions, kMax32);
    EXPECT_EQ(game.state.Money, kMax32);
    EXPECT_EQ(messages().back(), "0 Potion and 350¥!");
}

TEST_F(GameCornerTest, NothingActsOnAGameUntilItIsRevealed) {
    prepare(400, UltraBalls, 2);
    scriptDraws(2);
    ASSERT_TRUE(StartDraw(game));
    EXPECT_TRUE(DrawInProgress(game));
    // The flicker shows the draws in order.
    ShowDrawStep(game, 0);
    EXPECT_EQ(corner.luckyNumber, 0);
    ShowDrawStep(game, 1234);
    EXPECT_EQ(corner.luckyNumber, 4);
    ShowDrawStep(game, kDrawsPerGame);  // out of range: unchanged
    EXPECT_EQ(corner.luckyNumber, 4);

    // Nothing the player does now changes the game.
    SetBet(game, 0);
    ChoosePrizeKind(game, Money);
    PickNumber(game, 9);
    EXPECT_FALSE(StartDraw(game));
    EXPECT_FALSE(CloseGameCorner(game));
    EXPECT_TRUE(game.isVisible(Window::GameCorner));
    EXPECT_EQ(corner.bet, 400u);
    EXPECT_EQ(corner.prizeKind, UltraBalls);
    EXPECT_EQ(corner.pickedNumber, 2);

    FinishDraw(game);
    EXPECT_FALSE(DrawInProgress(game));
    EXPECT_EQ(corner.luckyNumber, 2);
    EXPECT_EQ(messages().back(), "0 Ultra Ball and 4000¥!");
    EXPECT_EQ(game.state.Money, 10'000u - 400 + 4000);
    // A second reveal pays nothing more.
    FinishDraw(game);
    EXPECT_EQ(game.state.Money, 13'600u);
    EXPECT_TRUE(CloseGameCorner(game));
}

TEST_F(GameCornerTest, TheSeededSourceHitsEachNumberAboutATenthOfTheTime) {
    SeededRandom seeded(11);
    Game seededGame(game.data, port, seeded);
    seededGame.state.Money = 1'000'000;
    int wins = 0;
    constexpr int kGames = 400;
    ShowGameCorner(seededGame);
    for (int i = 0; i < kGames; ++i) {
        SetBet(seededGame, 0);
        ChoosePrizeKind(seededGame, Money);
        PickNumber(seededGame, i % 10);
        ASSERT_TRUE(StartDraw(seededGame));
        FinishDraw(seededGame);
        wins += seededGame.screens.gameCorner.luckyNumber == i % 10;
    }
    EXPECT_GT(wins, kGames / 20);
    EXPECT_LT(wins, kGames / 5);
}

}  // namespace
}  // namespace zorikan
