// Families read from the evolutions: the first stage, the stage of each
// species and the length of the line, wherever the stages are numbered.

#include "core/data/evolution_line.h"

#include <gtest/gtest.h>

#include "core/data/split_evolutions.h"
#include "test_data.h"

namespace zorikan::testing {
namespace {

TEST(EvolutionLine, FollowsEvolutionsAcrossTheNumbering) {
    GameData data;
    data.EvolvesInto[3] = 200;
    data.EvolvesInto[200] = 17;
    EXPECT_EQ(LineOf(data, 3), (EvolutionLine{3, 0, 3}));
    EXPECT_EQ(LineOf(data, 200), (EvolutionLine{3, 1, 3}));
    EXPECT_EQ(LineOf(data, 17), (EvolutionLine{3, 2, 3}));
    EXPECT_EQ(LineOf(data, 4), (EvolutionLine{4, 0, 1}));  // neighbours are not family
}

TEST(EvolutionLine, ChangelingFormsAndTheSecondCreatureJoinTheirParentsLine) {
    GameData data;
    data.EvolvesInto[290] = 291;
    for (const auto& split : kSplitEvolutions) {
        data.EvolvesInto[split.species] = split.forms().front();
        for (int form : split.forms())
            EXPECT_EQ(LineOf(data, form), (EvolutionLine{split.species, 1, 2})) << form;
    }
    EXPECT_EQ(LineOf(data, 291), (EvolutionLine{290, 1, 2}));
    EXPECT_EQ(LineOf(data, 292), (EvolutionLine{290, 1, 2}));
}

TEST(EvolutionLine, BadNumbersAndLoopingDataStillGiveALine) {
    GameData data;
    data.EvolvesInto[10] = 11;
    data.EvolvesInto[11] = 10;  // a loop a broken data file could hold
    data.EvolvesInto[12] = 999;
    const EvolutionLine loop = LineOf(data, 10);
    EXPECT_EQ(loop.root, 11);
    EXPECT_EQ(loop.stage, 1);
    EXPECT_LE(loop.stages, 9);
    EXPECT_EQ(LineOf(data, 12), (EvolutionLine{12, 0, 1}));
    EXPECT_EQ(LineOf(data, 0), (EvolutionLine{0, 0, 1}));
    EXPECT_EQ(LineOf(data, 387), (EvolutionLine{387, 0, 1}));
}

TEST(EvolutionLine, TheGamesStartersGrowInThreeStages) {
    const GameData& data = RealGameData();
    for (int starter : {1, 4, 7}) {
        const int middle = data.EvolvesInto[starter];
        const int last = data.EvolvesInto[middle];
        EXPECT_EQ(LineOf(data, starter), (EvolutionLine{starter, 0, 3}));
        EXPECT_EQ(LineOf(data, middle), (EvolutionLine{starter, 1, 3}));
        EXPECT_EQ(LineOf(data, last), (EvolutionLine{starter, 2, 3}));
    }
    EXPECT_EQ(LineOf(data, 150), (EvolutionLine{150, 0, 1}));
}

}  // namespace
}  // namespace zorikan::testing
