// Tournaments: entry checks and the fee, eight matches in a band, the box
// between matches, the prize, and every way out before the end.

#include "core/progress/tournament.h"

#include <gtest/gtest.h>

#include <limits>

#include <algorithm>

#include "core/battle/battle_items.h"
#include "core/progress/tournament_draw.h"
#include "core/progress/tournament_prize.h"
#include "core/shared/saturating.h"
#include "progress_fixture.h"

namespace zorikan::testing {
namespace {

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

class TournamentTest : public ProgressTest {
protected:
    // Scripts the draws of a tournament that passes every test at the first
    // attempt: trainers 3, 4, ... 10, the first unevolved species the data
    // allows, and levels from the bottom of the band upwards (as far as the
    // band's level draw reaches: the Summit Cup's has five values).
    void scriptDraw(int band) {
        const TournamentBand& b = TournamentBands()[band - 1];
        const int topDraw = b.maxLevel - b.minLevel + 4;
        for (int m = 1; m <= 8; ++m) random.draws.push_back(m + 1);
        int species = 0;
        for (int m = 1; m <= 8; ++m) {
            do ++species;
            while (IsEvolvedForm(game.data, species) ||
                   std::find(kTournamentExcluded.begin(), kTournamentExcluded.end(), species) !=
                       kTournamentExcluded.end());
            drawnSpecies.push_back(species);
            random.draws.push_back(species - 1);
        }
        for (int m = 1; m <= 8; ++m) random.draws.push_back(std::min(m - 1, topDraw));
    }
    void enter(int band) {
        scriptDraw(band);
        EnterTournament(game, band);
        ASSERT_TRUE(random.draws.empty());
    }
    // The first creature wins matches 1 to 7; the eighth opponent steps up.
    void winFirstSevenMatches() {
        for (int match = 1; match <= 7; ++match) {
            sendOut(1);
            winTurn();
            EndBattle(game);
        }
    }
    std::string trainer(int match) const {
        return game.data.TournamentTrainers[game.tournament.TournamentTrainerIdx[match]];
    }
    std::vector<int> drawnSpecies;
};

TEST_F(TournamentTest, EntryNeedsACreatureInTheBandAndTheFee) {
    startPlaying({{4, 11}});
    game.state.Money = 50'000;
    EnterTournament(game, 1);
    EXPECT_EQ(port.shown, (std::vector<Shown>{{Shown::Warning, Text(text::kNoneEligible)}}));
    EXPECT_EQ(game.state.Money, 50'000u);
    EXPECT_FALSE(game.screens.main.arena.visible);

    port.clear();
    game.state.Money = 1999;
    EnterTournament(game, 2);
    EXPECT_EQ(port.shown,
              (std::vector<Shown>{{Shown::Information, "You don't have enough money!"}}));
    EXPECT_EQ(game.state.Money, 1999u);

    port.clear();
    game.state.Money = 2000;
    std::uint32_t moneyAtNote = 0;
    port.onBox = [&](const Shown&) { moneyAtNote = game.state.Money; };
    enter(2);
    EXPECT_EQ(moneyAtNote, 2000u) << "the fee is taken once the first opponent stepped up";
    EXPECT_EQ(game.state.Money, 0u);
    EXPECT_EQ(game.state.MinLevel, 10);
    EXPECT_EQ(game.state.MaxLevel, 30);
    EXPECT_EQ(game.battle.BattleKind, 21);
    EXPECT_TRUE(game.battle.InTournament);
    EXPECT_TRUE(game.battle.InTrainerBattle);
    ASSERT_EQ(port.log.size(), 2u);
    EXPECT_EQ(port.log[0], trainer(1) + " wants to fight!");
    EXPECT_EQ(game.battle.OppSpecies, drawnSpecies[0]);
    EXPECT_EQ(game.battle.OppLevel, 10);
}

TEST_F(TournamentTest, BandEdgesBelongToBothNeighbours) {
    const std::vector<std::pair<int, std::vector<int>>> eligible{
        {2, {1}},     {10, {1, 2}}, {11, {2}}, {30, {2, 3}},
        {50, {3, 4}}, {70, {4, 5}}, {99, {5}}, {100, {6}}};
    for (const auto& [level, bands] : eligible) {
        startPlaying({{7, level}});
        for (int band = 1; band <= 6; ++band) {
            const TournamentBand& b = TournamentBands()[band - 1];
            const bool expected = std::find(bands.begin(), bands.end(), band) != bands.end();
            EXPECT_EQ(HasEligibleCreature(game, b.minLevel, b.maxLevel), expected)
                << "level " << level << " band " << band;
        }
    }
    const std::vector<std::pair<std::uint32_t, MenuItem>> fees{
        {1000, MenuItem::VeryEasyLevels2101},      {2000, MenuItem::EasyLevels10301},
        {3000, MenuItem::IntermediateLevels30501}, {5000, MenuItem::HardLevels50701},
        {7000, MenuItem::VeryHardLevels70991},     {10000, MenuItem::SummitCupLevel1001}};
    for (int band = 1; band <= 6; ++band) {
        EXPECT_EQ(TournamentBands()[band - 1].fee, fees[band - 1].first);
        EXPECT_EQ(BandOfItem(fees[band - 1].second), band);
    }
    EXPECT_EQ(BandOfItem(MenuItem::Tavrin1), 0);
}

TEST_F(TournamentTest, PotionsAndBallsStayDisabledInAMatch) {
    startPlaying({{4, 5}});
    game.state.Money = 1000;
    game.state.Potions = game.state.SuperPotions = game.state.ZoriBalls = 4;
    enter(1);
    sendOut(1);
    const auto& enabled = game.screens.statistics.itemButtonEnabled;
    EXPECT_FALSE(enabled[PotionButton]);
    EXPECT_FALSE(enabled[SuperPotionButton]);
    EXPECT_FALSE(enabled[ZoriBallButton]);
    UseItem(game, PotionButton);
    EXPECT_EQ(game.state.Potions, 4u);
}

TEST_F(TournamentTest, AWonMatchAnnouncesAndStartsTheNext) {
    startPlaying({{4, 10}});
    game.state.RosterExp[1] = 1330;  // one point short of level 11
    game.state.Money = 1000;
    enter(1);
    for (int won = 1; won <= 3; ++won) {
        sendOut(1);
        winTurn();
        port.clear();
        EndBattle(game);
        const int next = won + 1;
        ASSERT_EQ(boxes().size(), 2u);
        EXPECT_EQ(boxes()[0], "Congratulations! You beat " + trainer(won) +
                                  "! Next up is trainer #" + std::to_string(next) + ", " +
                                  trainer(next) + " with a L." + std::to_string(next + 1) + " " +
                                  name(drawnSpecies[next - 1]) + ".");
        EXPECT_EQ(game.battle.BattleKind, 10 + next);
        EXPECT_TRUE(game.battle.InTournament);
        EXPECT_EQ(port.log[0], trainer(next) + " wants to fight!");
        EXPECT_EQ(game.battle.OppLevel, next + 1);
    }
    // Matches 1 to 7 add experience but no level.
    EXPECT_EQ(game.state.RosterLevel[1], 10);
    EXPECT_EQ(game.state.RosterExp[1],
              1330 + ExperienceFor(2) + ExperienceFor(3) + ExperienceFor(4));
    EXPECT_EQ(game.state.Wins, 3u);
}

TEST_F(TournamentTest, EightWinsWinThePrizeAndCloseTheTournament) {
    startPlaying({{4, 10}, {7, 10}});
    game.state.RosterExp[2] = 2000;  // a level that lags, caught up at the end
    game.state.Money = 1000;
    enter(1);
    winFirstSevenMatches();
    sendOut(1);
    winTurn();
    // The eighth win has decided the tournament: closing the main window
    // before "End Fight" costs nothing.
    EXPECT_FALSE(ClosingCostsTournamentPenalty(game));
    const GameState beforeClose = game.state;
    ClosingMainWindow(game);
    EXPECT_EQ(game.state, beforeClose);
    EXPECT_EQ(game.battle.BattleKind, 18);
    port.clear();
    random.draws = {2};  // the third prize of band 1
    EndBattle(game);
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           "Congratulations! You beat " + trainer(8) +
                               "! You won the tournament! Now for the unveiling of your prize...",
                           "You won " + game.data.TournamentPrizes[1][3] + "!"}));
    EXPECT_EQ(game.state.Money, 2500u + 7 * 250u + 250u);
    EXPECT_EQ(game.state.Wins, 8u);
    EXPECT_FALSE(game.battle.InTournament);
    EXPECT_FALSE(game.screens.main.arena.visible);
    EXPECT_EQ(game.battle.BattleKind, 18);
    EXPECT_EQ(game.state.MinLevel, 2);
    EXPECT_EQ(game.state.MaxLevel, 100);
    EXPECT_EQ(game.state.RosterLevel[2], 12);
    EXPECT_GT(game.state.RosterLevel[1], 10) << "the final match levels up";
    EXPECT_FALSE(ClosingCostsTournamentPenalty(game));
}

TEST_F(TournamentTest, TheSummitCupGoesThroughAllEightMatchesToItsPrize) {
    startPlaying({{4, 100}});
    game.state.Money = 10000;
    enter(6);
    for (int match = 1; match <= 8; ++match) {
        ASSERT_EQ(game.battle.BattleKind, 60 + match);
        ASSERT_TRUE(game.battle.InTournament);
        EXPECT_EQ(game.battle.OppLevel, 100);
        sendOut(1);
        winTurn();
        port.clear();
        if (match == 8) random.draws = {0};  // the Master Ball
        EndBattle(game);
    }
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           "Congratulations! You beat " + trainer(8) +
                               "! You won the tournament! Now for the unveiling of your prize...",
                           "You won " + game.data.TournamentPrizes[6][1] + "!"}));
    EXPECT_EQ(game.state.MasterBalls, 1u);
    EXPECT_EQ(game.state.Wins, 8u);
    EXPECT_FALSE(game.battle.InTournament);
    EXPECT_EQ(game.state.MinLevel, 2);
}

TEST_F(TournamentTest, ALostMatchCountsTwoLossesAndResetsTheBand) {
    startPlaying({{4, 30}});
    game.state.Money = 3000;
    enter(3);
    sendOut(1);
    winTurn();
    EndBattle(game);
    sendOut(1);
    loseTurn();
    EXPECT_FALSE(ClosingCostsTournamentPenalty(game)) << "the tournament is decided";
    port.clear();
    EndBattle(game);
    EXPECT_EQ(game.state.Losses, 2u);
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(game.battle.InTournament);
    EXPECT_FALSE(game.screens.main.arena.visible);
    EXPECT_EQ(game.state.MinLevel, 2);
    EXPECT_EQ(game.state.MaxLevel, 100);
}

TEST_F(TournamentTest, LosingTheEighthMatchWinsNothing) {
    startPlaying({{4, 10}});
    game.state.Money = 1000;
    enter(1);
    winFirstSevenMatches();
    ASSERT_EQ(game.battle.BattleKind, 18);
    sendOut(1);
    loseTurn();
    const GameState before = game.state;
    port.clear();
    EndBattle(game);  // a prize draw here would fail the scripted source
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(game.state.Losses, before.Losses + 1);
    EXPECT_EQ(game.state.Money, before.Money);
    EXPECT_EQ(game.state.ZoriBalls, before.ZoriBalls);
    EXPECT_EQ(game.state.Potions, before.Potions);
    EXPECT_EQ(game.screens.statistics.rosterCount(), 1);
    EXPECT_EQ(game.state.MaxLevel, 100);
}

// Only the two easiest bands turn down evolved creatures: the same draw with
// an evolved species at match 8 is drawn again in band 2 and kept in band 3.
TEST_F(TournamentTest, OnlyBandsOneAndTwoDrawAgainForAnEvolvedCreature) {
    int evolved = 1;
    while (!IsEvolvedForm(game.data, evolved) ||
           std::find(kTournamentExcluded.begin(), kTournamentExcluded.end(), evolved) !=
               kTournamentExcluded.end())
        ++evolved;
    for (int band : {1, 2, 3}) {
        startPlaying({{4, band == 1 ? 10 : 30}});
        game.state.Money = 5000;
        for (int m = 1; m <= 8; ++m) random.draws.push_back(m + 1);
        for (int m = 1; m <= 7; ++m) random.draws.push_back(0);  // species 1, unevolved
        random.draws.push_back(evolved - 1);
        for (int m = 1; m <= 8; ++m) random.draws.push_back(0);
        const std::size_t firstAttempt = 24;
        scriptDraw(band);  // a second attempt that passes everywhere
        random.ranges.clear();
        EnterTournament(game, band);
        if (band <= 2) {
            EXPECT_TRUE(random.draws.empty()) << band;
            EXPECT_EQ(random.ranges.size(), 2 * firstAttempt) << band;
            EXPECT_EQ(game.tournament.TournamentSpecies[8], drawnSpecies.back()) << band;
        } else {
            EXPECT_EQ(random.ranges.size(), firstAttempt) << band;
            EXPECT_EQ(game.tournament.TournamentSpecies[8], evolved) << band;
        }
        random.draws.clear();
        drawnSpecies.clear();
    }
}

TEST_F(TournamentTest, RunningOutCostsExperienceAndOneLossOnly) {
    startPlaying({{4, 10}});
    game.state.Money = 1000;
    enter(1);
    sendOut(1);
    game.screens.main.arena.selectedAttack = kRunItem;
    port.clear();
    GoClick(game);
    EXPECT_EQ(port.log, (std::vector<std::string>{
                            "Quit the tournament! " + name(4) + " lost 50 experience points!",
                            name(4) + " lost a level!"}));
    EXPECT_EQ(game.state.RosterExp[1], 950u);
    EXPECT_EQ(game.state.RosterLevel[1], 9);
    EXPECT_FALSE(game.battle.InTournament);
    EndBattle(game);
    EXPECT_EQ(game.state.Losses, 0u);
    EXPECT_EQ(game.state.MaxLevel, 100);
}

TEST_F(TournamentTest, ClosingTheWindowCostsOnlyWhileAFighterPlaysAnOpenTournament) {
    startPlaying({{4, 10}, {7, 10}});
    game.state.Money = 1000;
    enter(1);
    // No fighter was sent out yet: nobody fought, nobody pays.
    ClosingMainWindow(game);
    EXPECT_EQ(game.state.RosterExp[1], 1000u);
    EXPECT_EQ(game.state.RosterExp[2], 1000u);

    sendOut(2);
    winTurn();
    // A won match before the last: the tournament goes on, so walking out costs.
    EXPECT_TRUE(ClosingCostsTournamentPenalty(game));
    EndBattle(game);
    EXPECT_FALSE(ClosingCostsTournamentPenalty(game)) << "match 2 has no fighter yet";
    sendOut(2);
    ASSERT_TRUE(ClosingCostsTournamentPenalty(game));
    const std::uint32_t exp = game.state.RosterExp[2];
    ClosingMainWindow(game);
    EXPECT_EQ(game.state.RosterExp[2], exp - (exp + 10) / 20);
    EXPECT_EQ(game.state.RosterExp[1], 1000u);
    EXPECT_FALSE(game.battle.InTournament);
    EXPECT_EQ(game.battle.BattleKind, 0);
}

TEST_F(TournamentTest, ATournamentWithNoFighterLeftInTheBandEndsAsLost) {
    startPlaying({{4, 99}});
    game.state.RosterExp[1] = 999'000;
    game.state.Money = 7000;
    enter(5);
    sendOut(1);
    winTurn();  // the cap lifts the fighter to level 100, above the band
    ASSERT_EQ(game.state.RosterLevel[1], 100);
    port.clear();
    EndBattle(game);
    EXPECT_EQ(port.boxes(Shown::Warning), std::vector<std::string>{Text(text::kNoneEligible)});
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(game.screens.main.arena.visible);
    EXPECT_FALSE(game.battle.InTournament);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Action1));
    EXPECT_EQ(game.state.MinLevel, 2);
    EXPECT_EQ(game.state.MaxLevel, 100);
    EXPECT_FALSE(ClosingCostsTournamentPenalty(game));
    EXPECT_EQ(game.state.RosterExp[1], 1'000'000u);
    EXPECT_EQ(game.state.Money, 250u * MoneyFactor(game.state)) << "the fee is kept";
    EXPECT_EQ(game.state.Losses, 0u) << "nobody lost a match";
    EXPECT_EQ(game.state.Wins, 1u);
}

TEST_F(TournamentTest, EachPrizeGivesWhatItSays) {
    struct Expected {
        std::uint32_t GameState::*count;
        std::uint32_t amount;
    };
    using S = GameState;
    const Expected table[6][3] = {
        {{&S::ZoriBalls, 3}, {&S::Potions, 2}, {&S::Money, 2500}},
        {{&S::Potions, 3}, {&S::ZoriBalls, 5}, {&S::Money, 4000}},
        {{&S::GreatBalls, 3}, {&S::UltraBalls, 1}, {&S::SuperPotions, 1}},
        {{&S::SuperPotions, 3}, {&S::GreatBalls, 5}, {&S::Money, 10000}},
        {{&S::UltraBalls, 3}, {&S::Money, 15000}, {&S::GreatBalls, 10}},
        {{&S::MasterBalls, 1}, {&S::Money, 30000}, {nullptr, 0}},
    };
    startPlaying({{4, 100}});
    for (int band = 1; band <= 6; ++band)
        for (int column = 1; column <= 3; ++column) {
            const Expected& e = table[band - 1][column - 1];
            if (!e.count) continue;
            game.state = GameState{};
            game.state.*e.count = 7;
            port.clear();
            random.draws = {column - 1};
            AwardTournamentPrize(game, band);
            EXPECT_EQ(game.state.*e.count, 7 + e.amount) << band << "/" << column;
            EXPECT_EQ(boxes(), std::vector<std::string>{
                                   "You won " + game.data.TournamentPrizes[band][column] + "!"});
            // Nothing else changes.
            GameState expected{};
            expected.*e.count = 7 + e.amount;
            EXPECT_EQ(game.state, expected) << band << "/" << column;
        }
}

TEST_F(TournamentTest, TheSummitCupCreaturePrize) {
    startPlaying({{4, 100}});
    random.draws = {2, 250 - 1, 42 - 2};
    AwardTournamentPrize(game, 6);
    // The column of three, any of the 386 species, and a level of 2..100.
    EXPECT_EQ(random.ranges, (std::vector<int>{3, 386, 99}));
    EXPECT_EQ(boxes(),
              (std::vector<std::string>{"You won " + game.data.TournamentPrizes[6][3] + "!",
                                        "You won a L.42 " + name(250) + "!"}));
    EXPECT_EQ(game.state.RosterSpecies[2], 250);
    EXPECT_EQ(game.state.RosterLevel[2], 42);
    EXPECT_EQ(game.state.RosterExp[2], 42u * 42 * 42);
}

TEST_F(TournamentTest, AFullRosterNeverGetsTheCreaturePrize) {
    startPlaying({{4, 100}});
    auto& list = game.screens.statistics.rosterList;
    while (list.size() < static_cast<std::size_t>(kRosterSlots)) list.push_back({name(7), 6});
    for (int second = 0; second < 2; ++second) {
        game.state.MasterBalls = 0;
        game.state.Money = 0;
        port.clear();
        random.draws = {2, second};
        random.ranges.clear();
        AwardTournamentPrize(game, 6);
        EXPECT_EQ(random.ranges, (std::vector<int>{3, 2})) << "drawn again from the other two";
        EXPECT_EQ(boxes(), std::vector<std::string>{
                               "You won " + game.data.TournamentPrizes[6][second + 1] + "!"});
        EXPECT_EQ(game.state.MasterBalls + game.state.Money, second == 0 ? 1u : 30000u);
        EXPECT_EQ(game.screens.statistics.rosterCount(), kRosterSlots);
    }
    // Another band's third prize is drawn as it comes.
    random.draws = {2};
    AwardTournamentPrize(game, 5);
    EXPECT_EQ(game.state.GreatBalls, 10u);
}

TEST_F(TournamentTest, PrizesStopAtTheirLimit) {
    startPlaying({{4, 100}});
    game.state.Money = kMax32 - 5;
    game.state.GreatBalls = kMax32;
    random.draws = {1, 2};
    AwardTournamentPrize(game, 6);
    AwardTournamentPrize(game, 5);
    EXPECT_EQ(game.state.Money, kMax32);
    EXPECT_EQ(game.state.GreatBalls, kMax32);
}

}  // namespace
}  // namespace zorikan::testing
