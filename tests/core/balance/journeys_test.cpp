// The three starter lines make equally good journeys: the balance measure
// picks the right trainers, stages and attacks, judges its goals, and the
// game's own data meets them with the seeds `make balance` prints.

#include "balance/journeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "balance/first_battles.h"
#include "test_data.h"

namespace zorikan::testing {
namespace {

using namespace balance;

bool Contains(const std::vector<const Opponent*>& list, std::string_view trainer) {
    return std::any_of(list.begin(), list.end(),
                       [&](const Opponent* o) { return o->trainer == trainer; });
}

TEST(Journeys, AreMeasuredOnTheTrainersFromLevelTwelveWithoutOmnivar) {
    const std::vector<const Opponent*> journey = JourneyOpponents();
    EXPECT_EQ(journey.size(), 37u);
    for (const Opponent* o : journey) EXPECT_GE(o->level, 12) << o->trainer;
    EXPECT_TRUE(Contains(journey, "Dorn"));     // the first leader, at exactly 12
    EXPECT_FALSE(Contains(journey, "Morrow"));  // a beginner at 10
    EXPECT_FALSE(Contains(journey, "Severin"));
    // A series by its first member only.
    EXPECT_TRUE(Contains(journey, "Ansel"));
    EXPECT_FALSE(Contains(journey, "Ishmar"));
    EXPECT_TRUE(Contains(journey, "Jarek"));
}

TEST(Journeys, TheAldmarkLeadersAreCountedFromTheFirstBadgeOn) {
    const struct {
        std::string_view trainer;
        int upTo;
        bool counted;
    } rows[] = {
        {"Dorn", 4, true},     // the first badge: a wall here breaks a goal
        {"Odile", 4, true},    // the fourth
        {"Imara", 4, false},   // the fifth
        {"Roderic", 8, true},  // the last of Aldmark
        {"Aubric", 8, false},  // Brennar's first, badge 9
        {"Ansel", 8, false},   // a series, whose number is its kind
        {"Morrow", 8, false},  // no leader at all
    };
    const auto opponents = Opponents();
    for (const auto& row : rows) {
        const auto o = std::find_if(opponents.begin(), opponents.end(), [&](const Opponent& each) {
            return each.trainer == row.trainer;
        });
        ASSERT_NE(o, opponents.end()) << row.trainer;
        EXPECT_EQ(IsAldmarkLeader(*o, row.upTo), row.counted) << row.trainer;
    }
}

TEST(Journeys, TheLineEvolvesAtItsLevelsAndPicksTheHardestHittingAttack) {
    const GameData& d = RealGameData();
    const int grown = d.EvolvesInto[1], great = d.EvolvesInto[grown];
    EXPECT_EQ(StageAtLevel(d, 1, d.EvolutionLevel[1] - 1), 1);
    EXPECT_EQ(StageAtLevel(d, 1, d.EvolutionLevel[1]), grown);
    EXPECT_EQ(StageAtLevel(d, 1, d.EvolutionLevel[grown]), great);
    EXPECT_EQ(StageAtLevel(d, 1, 100), great);
    // Cairnshell's Gale attack, weaker than its Stone ones, doubles on a Bog creature.
    const int cairnshell = d.EvolvesInto[7], mudmole = 26;
    const int chosen =
        d.SpeciesAttacks[cairnshell][StrongestAttackAgainst(d, cairnshell, mudmole) + 1];
    EXPECT_EQ(d.AttackNames[chosen], "Quill Cut");
    // Against Odile's Herd and Moss creature its Stone attacks are halved and its Herd one doubles.
    const int fernbilly = 45;
    const int pick =
        d.SpeciesAttacks[cairnshell][StrongestAttackAgainst(d, cairnshell, fernbilly) + 1];
    EXPECT_EQ(d.AttackNames[pick], "Horn Prod");
}

TEST(Journeys, EachBrokenGoalIsNamed) {
    const GameData& d = RealGameData();
    Journey fair;
    for (std::size_t l = 0; l < kStarterSpecies.size(); ++l)
        fair.lines[l] = {kStarterSpecies[l], 0.80, 30, 4, 0, 6};
    const std::array<double, 3> fairStart = {0.60, 0.60, 0.60};
    EXPECT_TRUE(UnmetGoals(d, fair, fairStart).empty());

    struct Case {
        const char* what;
        LineSummary line;  // for the last starter line
        double firstBattles;
    };
    const Case cases[] = {
        {"too many walls", {7, 0.80, 30, 7, 0, 6}, 0.6},
        {"too few walls", {7, 0.80, 30, 2, 0, 6}, 0.6},
        {"a wall among the first four", {7, 0.80, 30, 4, 1, 6}, 0.6},
        {"too few leaders beaten", {7, 0.80, 30, 4, 0, 4}, 0.6},
        {"means too far apart", {7, 0.8601, 30, 4, 0, 6}, 0.6},
        {"too hard a start", {7, 0.80, 30, 4, 0, 6}, 0.54},
        {"too easy a start", {7, 0.80, 30, 4, 0, 6}, 0.71},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Journey journey = fair;
        journey.lines[2] = c.line;
        std::array<double, 3> start = fairStart;
        start[2] = c.firstBattles;
        EXPECT_EQ(UnmetGoals(d, journey, start).size(), 1u);
    }
    // The edges themselves still hold (six points apart less a hair).
    Journey edges = fair;
    edges.lines[0] = {1, 0.7401, 30, 3, 0, 5};
    edges.lines[1] = {4, 0.80, 30, 6, 0, 5};
    EXPECT_TRUE(UnmetGoals(d, edges, {0.55, 0.70, 0.60}).empty());
}

TEST(Journeys, TheGameDataMakesThreeEquallyGoodJourneys) {
    const GameData& d = RealGameData();
    const Journey journey = MeasureJourney(d, kFightsPerMatchup, kJourneySeed);
    std::array<double, 3> firstBattles{};
    for (std::size_t l = 0; l < kStarterSpecies.size(); ++l) {
        const FirstBattlesTally t =
            PlayFirstBattles(d, kStarterSpecies[l], kFirstBattles, kFirstBattlesSeed);
        firstBattles[l] = static_cast<double>(t.won) / t.fought;
    }
    for (const std::string& goal : UnmetGoals(d, journey, firstBattles)) ADD_FAILURE() << goal;
}

}  // namespace
}  // namespace zorikan::testing
