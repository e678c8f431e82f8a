// The draw of a tournament's eight matches, over many seeds: distinct
// trainers, no excluded species, levels in the band with its top five times
// as likely, and only unevolved creatures in the two easiest bands.

#include "core/progress/tournament_draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/data/split_evolutions.h"
#include "scripted_port.h"
#include "test_data.h"

namespace zorikan::testing {
namespace {

// Every species some other species evolves into, read straight from the tables.
std::set<int> EvolvedForms(const GameData& data) {
    std::set<int> forms;
    for (int s = 1; s <= kSpeciesCount; ++s)
        if (data.EvolvesInto[s] > 0) forms.insert(data.EvolvesInto[s]);
    for (const auto& split : kSplitEvolutions)
        for (int form : split.forms()) forms.insert(form);
    return forms;
}

constexpr int kBands[7][2] = {{0, 0}, {2, 10}, {10, 30}, {30, 50}, {50, 70}, {70, 99}, {100, 100}};

TEST(TournamentDraw, ManySeededDrawsKeepEveryRule) {
    const GameData& data = RealGameData();
    const std::set<int> evolved = EvolvedForms(data);
    ASSERT_GT(evolved.size(), 100u);
    for (int band = 1; band <= 6; ++band) {
        SeededRandom rng(1000 + band);
        const int min = kBands[band][0], max = kBands[band][1];
        int topLevel = 0, levels = 0;
        std::set<int> speciesSeen;
        for (int round = 0; round < 1500; ++round) {
            const TournamentDraw d = DrawTournament(data, rng, min, max, band <= 2);
            std::set<int> trainers;
            for (int m = 1; m <= 8; ++m) {
                trainers.insert(d.TournamentTrainerIdx[m]);
                EXPECT_GE(d.TournamentTrainerIdx[m], 1);
                EXPECT_LE(d.TournamentTrainerIdx[m], 64);
                const int species = d.TournamentSpecies[m];
                ASSERT_TRUE(species >= 1 && species <= kSpeciesCount);
                speciesSeen.insert(species);
                for (int excluded : {129, 132, 201, 235, 349}) EXPECT_NE(species, excluded);
                if (band <= 2) {
                    EXPECT_FALSE(evolved.contains(species)) << species;
                }
                EXPECT_GE(d.TournamentLevels[m], min);
                EXPECT_LE(d.TournamentLevels[m], max);
                topLevel += d.TournamentLevels[m] == max;
                ++levels;
            }
            EXPECT_EQ(trainers.size(), 8u);
        }
        if (band == 1) {
            // Level 10 covers five of the thirteen level draws.
            EXPECT_NEAR(static_cast<double>(topLevel) / levels, 5.0 / 13, 0.02);
        }
        if (band == 6) {
            EXPECT_EQ(topLevel, levels);
        }
        // The later bands draw evolved creatures too.
        if (band >= 3) {
            EXPECT_TRUE(std::any_of(speciesSeen.begin(), speciesSeen.end(),
                                    [&](int s) { return evolved.contains(s); }));
        }
    }
}

TEST(TournamentDraw, AFailedTestDrawsEverythingAgainFromTheStart) {
    const GameData& data = RealGameData();
    ScriptedRandom rng;
    // First attempt: trainers 1 and 9 twice, no species drawn after that.
    rng.draws = {0, 1, 2, 3, 4, 5, 6, 0};
    // Second attempt: distinct trainers, but species 129 among them.
    for (int m = 0; m < 8; ++m) rng.draws.push_back(10 + m);
    for (int m = 0; m < 8; ++m) rng.draws.push_back(m == 5 ? 128 : 300 + m);
    // Third attempt passes: trainers, species, then levels 30 + draw, capped at 50.
    for (int m = 0; m < 8; ++m) rng.draws.push_back(63 - m);
    for (int m = 0; m < 8; ++m) rng.draws.push_back(210 + m);
    const int levelDraws[8] = {0, 1, 19, 20, 21, 22, 23, 24};
    for (int draw : levelDraws) rng.draws.push_back(draw);
    const TournamentDraw d = DrawTournament(data, rng, 30, 50, false);
    EXPECT_TRUE(rng.draws.empty());
    for (int m = 1; m <= 8; ++m) {
        EXPECT_EQ(d.TournamentTrainerIdx[m], 65 - m);
        EXPECT_EQ(d.TournamentSpecies[m], 210 + m);
    }
    const int levels[8] = {30, 31, 49, 50, 50, 50, 50, 50};
    for (int m = 1; m <= 8; ++m) EXPECT_EQ(d.TournamentLevels[m], levels[m - 1]);
}

TEST(TournamentDraw, AnEvolvedSpeciesInAnEasyBandDrawsAgain) {
    const GameData& data = RealGameData();
    const std::set<int> evolved = EvolvedForms(data);
    int unevolved = 1;
    while (evolved.contains(unevolved)) ++unevolved;
    const int anEvolved = *evolved.begin();
    ScriptedRandom rng;
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (int m = 0; m < 8; ++m) rng.draws.push_back(m);
        for (int m = 0; m < 8; ++m)
            rng.draws.push_back((attempt == 0 && m == 7 ? anEvolved : unevolved) - 1);
        for (int m = 0; m < 8; ++m) rng.draws.push_back(12);
    }
    const TournamentDraw d = DrawTournament(data, rng, 2, 10, true);
    EXPECT_TRUE(rng.draws.empty()) << "the levels are drawn before the evolution test";
    EXPECT_EQ(d.TournamentSpecies[8], unevolved);
    EXPECT_EQ(d.TournamentLevels[8], 10);
}

TEST(TournamentDraw, EvolvedFormsFollowTheTables) {
    const GameData& data = RealGameData();
    const std::set<int> evolved = EvolvedForms(data);
    for (int s = 1; s <= kSpeciesCount; ++s) EXPECT_EQ(IsEvolvedForm(data, s), evolved.contains(s));
}

}  // namespace
}  // namespace zorikan::testing
