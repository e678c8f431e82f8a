// The ZORIDEX viewer's display and the type comparisons' multipliers.

#include "core/collection/zoridex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <locale>

#include "core/battle/battle_start.h"
#include "core/collection/debug_menu.h"
#include "core/collection/roster.h"
#include "core/text/type_words.h"
#include "game_fixture.h"
#include "marked_texts.h"

namespace zorikan::testing {
namespace {

class ZoridexTest : public GameTest {
protected:
    // The first species that matches, by role rather than by name.
    int findSpecies(const std::function<bool(int)>& wanted) const {
        for (int n = 1; n <= kSpeciesCount; ++n)
            if (wanted(n)) return n;
        ADD_FAILURE() << "the data has no such species";
        return 1;
    }
    const ZoridexModel& view() const { return game.screens.zoridex; }
};

TEST_F(ZoridexTest, EntriesNameTheSpeciesWithItsNumber) {
    EXPECT_EQ(ZoridexEntry(game.data, 7), game.data.SpeciesNames[7] + " (#007)");
    EXPECT_EQ(ZoridexEntry(game.data, 386), game.data.SpeciesNames[386] + " (#386)");
    const int dual = findSpecies([&](int n) { return game.data.SpeciesType2[n] != 0; });
    EXPECT_EQ(SpeciesTypeEntry(game.data, dual),
              game.data.SpeciesNames[dual] + ", " +
                  game.data.TypeNames[game.data.SpeciesType1[dual]] + "/" +
                  game.data.TypeNames[game.data.SpeciesType2[dual]]);
    const int single = findSpecies([&](int n) { return game.data.SpeciesType2[n] == 0; });
    EXPECT_EQ(SpeciesTypeEntry(game.data, single),
              game.data.SpeciesNames[single] + ", " +
                  game.data.TypeNames[game.data.SpeciesType1[single]]);
    EXPECT_EQ(AttackTypeEntry(game.data, 1),
              game.data.AttackNames[1] + ", " + game.data.TypeNames[game.data.AttackType[1]]);
}

// A type is a common word that each language gives its own: every type of
// the data has its word for the translators, and the ZORIDEX, the type
// comparisons and the attack choice look it up by the data's English name.
TEST_F(ZoridexTest, TypesAreWordsOfThePlayersLanguage) {
    for (int t = 1; t <= kTypeCount; ++t)
        EXPECT_TRUE(std::ranges::any_of(text::kTypeWords, [&](const Message& word) {
            return game.data.TypeNames[t] == word.english;
        })) << game.data.TypeNames[t];
    EXPECT_EQ(std::size(text::kTypeWords), static_cast<std::size_t>(kTypeCount));

    const MarkedTexts marked;
    const auto word = [&](int type) { return "[[" + game.data.TypeNames[type] + "]]"; };
    const int dual = findSpecies([&](int n) { return game.data.SpeciesType2[n] != 0; });
    game.state.OwnedFlags[dual] = true;
    SelectZoridexEntry(game, dual - 1);
    EXPECT_EQ(view().type1, word(game.data.SpeciesType1[dual]));
    EXPECT_NE(view().type2.find(word(game.data.SpeciesType2[dual])), std::string::npos);
    const int attack = game.data.SpeciesAttacks[dual][1];
    EXPECT_EQ(view().attackTypes[0], word(game.data.AttackType[attack]));
    EXPECT_NE(AttackTypeEntry(game.data, attack).find(word(game.data.AttackType[attack])),
              std::string::npos);
    EXPECT_NE(SpeciesTypeEntry(game.data, dual).find(word(game.data.SpeciesType2[dual])),
              std::string::npos);

    startPlaying({{dual, 20}});
    StartWildBattle(game, 1, 5);
    ConfirmFighter(game, 1, dual);
    EXPECT_NE(game.screens.main.arena.attackItems[0].find(word(game.data.AttackType[attack])),
              std::string::npos);
}

TEST_F(ZoridexTest, UnregisteredSpeciesHidesItsAttacksUntilRegistered) {
    UpdateDisplay(game);
    EXPECT_FALSE(view().panelVisible);  // nothing selected yet

    const int n = findSpecies([&](int s) { return game.data.EvolutionLevel[s] != 0; });
    SelectZoridexEntry(game, n - 1);
    EXPECT_TRUE(view().panelVisible);
    EXPECT_EQ(view().name, ZoridexEntry(game.data, n));
    EXPECT_EQ(view().picture, n - 1);
    EXPECT_EQ(view().type1, game.data.TypeNames[game.data.SpeciesType1[n]]);
    EXPECT_EQ(view().evolution,
              "Can evolve at level " + std::to_string(game.data.EvolutionLevel[n]) + ".");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(view().attackNames[k], "???");
        EXPECT_EQ(view().attackTypes[k], "???");
    }

    game.state.OwnedFlags[n] = true;
    UpdateDisplay(game);
    for (int k = 0; k < 4; ++k) {
        const int a = game.data.SpeciesAttacks[n][k + 1];
        EXPECT_EQ(view().attackNames[k], game.data.AttackNames[a]);
        EXPECT_EQ(view().attackTypes[k], game.data.TypeNames[game.data.AttackType[a]]);
    }
}

TEST_F(ZoridexTest, DebugOptionShowsAttacksOfUnregisteredSpecies) {
    ToggleAlwaysShowAttacks(game);
    SelectZoridexEntry(game, 149);
    EXPECT_EQ(view().attackNames[0], game.data.AttackNames[game.data.SpeciesAttacks[150][1]]);
    ToggleAlwaysShowAttacks(game);
    UpdateDisplay(game);
    EXPECT_EQ(view().attackNames[0], "???");
}

TEST_F(ZoridexTest, SecondTypeAndEvolutionLines) {
    const int single = findSpecies(
        [&](int n) { return game.data.SpeciesType2[n] == 0 && game.data.EvolutionLevel[n] == 0; });
    const int dual = findSpecies([&](int n) { return game.data.SpeciesType2[n] != 0; });
    SelectZoridexEntry(game, dual - 1);
    EXPECT_TRUE(view().type2Visible);
    EXPECT_EQ(view().type2, "/" + game.data.TypeNames[game.data.SpeciesType2[dual]]);
    SelectZoridexEntry(game, single - 1);
    EXPECT_FALSE(view().type2Visible);
    EXPECT_EQ(view().evolution, "Does not evolve.");
    // No selection leaves the last species on show.
    SelectZoridexEntry(game, -1);
    EXPECT_EQ(view().name, ZoridexEntry(game.data, single));
}

TEST_F(ZoridexTest, NewSpeciesInTheRosterOpensTheViewerAtIt) {
    startPlaying({{1, 5}});
    AddZRKN(game, 25, "caught", 7);
    EXPECT_TRUE(game.isVisible(Window::Zoridex));
    EXPECT_EQ(view().selected, 24);
    // Registered before the display, so the attacks show.
    EXPECT_EQ(view().attackNames[0], game.data.AttackNames[game.data.SpeciesAttacks[25][1]]);

    game.setVisible(Window::Zoridex, false);
    AddZRKN(game, 25, "again", 7);
    EXPECT_FALSE(game.isVisible(Window::Zoridex));
    EXPECT_EQ(view().selected, 24);
}

class TypeComparisonsTest : public ZoridexTest {
protected:
    const TypeComparisonModel& result() const { return game.screens.typeComparisons; }
};

TEST_F(TypeComparisonsTest, WaitsForBothLists) {
    TypeComparisonsChange(game, 0, -1);
    EXPECT_FALSE(result().totalVisible);
    TypeComparisonsChange(game, -1, 5);
    EXPECT_FALSE(result().totalVisible);
    TypeComparisonsChange(game, 0, 5);
    EXPECT_TRUE(result().totalVisible);
    EXPECT_TRUE(result().type1RowVisible);
}

TEST_F(TypeComparisonsTest, MultipliersComeFromTheChart) {
    GameData data = game.data;
    // A chart of our own for one attack type against two types.
    const int a = 1, t = data.AttackType[1];
    const int dual = findSpecies([&](int n) {
        return data.SpeciesType2[n] != 0 && data.SpeciesType1[n] != data.SpeciesType2[n];
    });
    data.TypeChart[t][data.SpeciesType1[dual]] = 0.1f;
    data.TypeChart[t][data.SpeciesType2[dual]] = 2.5f;
    Game custom{data, port, random};
    custom.screens.decimalSeparator = ',';
    TypeComparisonsChange(custom, a - 1, dual - 1);
    const TypeComparisonModel& r = custom.screens.typeComparisons;
    EXPECT_EQ(r.type1Multiplier, "0,100000001490116");
    EXPECT_EQ(r.type2Multiplier, "2,5");
    EXPECT_EQ(r.total, GeneralFormat(0.1f * 2.5f, ','));
    EXPECT_EQ(r.total, "0,25");
    EXPECT_TRUE(r.type2RowVisible);

    const int single = findSpecies([&](int n) { return data.SpeciesType2[n] == 0; });
    TypeComparisonsChange(custom, a - 1, single - 1);
    EXPECT_FALSE(r.type2RowVisible);
    EXPECT_EQ(r.type2Multiplier, "1");
    EXPECT_EQ(r.total, r.type1Multiplier);
}

TEST(GeneralFormat, FifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(GeneralFormat(2.0f, '.'), "2");
    EXPECT_EQ(GeneralFormat(0.5f, '.'), "0.5");
    EXPECT_EQ(GeneralFormat(0.0f, '.'), "0");
    EXPECT_EQ(GeneralFormat(0.1f, '.'), "0.100000001490116");
    EXPECT_EQ(GeneralFormat(1.0 / 3.0, '.'), "0.333333333333333");
    EXPECT_EQ(GeneralFormat(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(GeneralFormat(1e15, '.'), "1e+15");  // past fifteen digits: an exponent
    EXPECT_EQ(GeneralFormat(0.0001, '.'), "0.0001");
    EXPECT_EQ(GeneralFormat(0.00001, '.'), "1e-05");
    EXPECT_EQ(GeneralFormat(-0.25f, ','), "-0,25");
}

TEST(GeneralFormat, WritesNoGroupsAndItsOwnSeparatorInEveryLocale) {
    struct GroupsAndCommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale before =
        std::locale::global(std::locale(std::locale::classic(), new GroupsAndCommaPoint));
    const std::string half = GeneralFormat(0.5f, '.');
    const std::string large = GeneralFormat(123456789012345.0, '.');
    std::locale::global(before);
    EXPECT_EQ(half, "0.5");
    EXPECT_EQ(large, "123456789012345");
}

}  // namespace
}  // namespace zorikan::testing
