// Content rules for the ZORIGAME.dat that the build generates from data/:
// the type chart, species, evolutions, attacks and the named tables, read
// back through the game's own loader.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/game_data.h"
#include "core/data/split_evolutions.h"
#include "core/model/menu_layout.h"
#include "core/progress/elite_series.h"
#include "core/progress/opponents.h"

namespace zorikan {
namespace {

// The species that must be able to evolve into several forms, first form first.
struct RequiredSplit {
    int species;
    std::vector<int> forms;
};
const std::vector<RequiredSplit> kRequiredSplits = {
    {44, {45, 182}},        {61, {62, 186}},   {79, {80, 199}},   {133, {134, 135, 136, 196, 197}},
    {236, {106, 107, 237}}, {265, {266, 268}}, {366, {367, 368}},
};

const std::array kStarters = {1, 4, 7};
const std::array kLegendary = {144, 145, 146, 243, 244, 245, 249, 250, 380, 381, 382, 383, 384};
const std::array kGifts = {151, 251, 385, 386};
const std::array kWeakOddities = {129, 132, 201, 235, 349};
// Every trainer's creature: species and level, read from the game's own
// opponent table and elite series, so a change there is checked here.
struct Fielded {
    int species;
    int level;
};

// The trainer menu's opponents under `menu`, in menu order.
std::vector<Fielded> OpponentsUnder(MenuItem menu) {
    std::vector<Fielded> found;
    for (const auto& o : Opponents())
        if (EntryOf(o.item).parent == menu) found.push_back({o.species, o.level});
    return found;
}

// Everyone fought at level 40 or above: the menu's strong trainers and the
// later members of the elite series.
std::vector<Fielded> StrongOpponents() {
    std::vector<Fielded> found;
    for (const auto& o : Opponents())
        if (o.level >= 40) found.push_back({o.species, o.level});
    for (const SeriesStep& step : SeriesSteps()) found.push_back({step.species, step.level});
    return found;
}

const GameData& Data() {
    static const GameData data = [] {
        GameData d;
        if (auto error = LoadGameDataFile(ZORIKAN_DATA_FILE, d)) {
            ADD_FAILURE() << "cannot load " << ZORIKAN_DATA_FILE << ": " << error->text;
        }
        return d;
    }();
    return data;
}

bool HasType(int species, int type) {
    return Data().SpeciesType1[species] == type || Data().SpeciesType2[species] == type;
}

bool SharesType(int a, int b) {
    return HasType(b, Data().SpeciesType1[a]) ||
           (Data().SpeciesType2[a] != 0 && HasType(b, Data().SpeciesType2[a]));
}

std::vector<int> Powers(int species) {
    std::vector<int> powers;
    for (int k = 1; k <= 4; ++k)
        powers.push_back(Data().AttackPower[Data().SpeciesAttacks[species][k]]);
    return powers;
}

int MaxPower(int species) {
    const auto p = Powers(species);
    return *std::max_element(p.begin(), p.end());
}

double MeanPower(int species) {
    const auto p = Powers(species);
    return std::accumulate(p.begin(), p.end(), 0.0) / p.size();
}

int OwnTypeAttacks(int species) {
    int count = 0;
    for (int k = 1; k <= 4; ++k)
        count += HasType(species, Data().AttackType[Data().SpeciesAttacks[species][k]]);
    return count;
}

// Every form a species can evolve into: the split table's forms, or its one
// EvolvesInto.
std::vector<int> Forms(int species) {
    if (const auto* split = FindSplitEvolution(species)) {
        return {split->forms().begin(), split->forms().end()};
    }
    if (Data().EvolvesInto[species] != 0) return {Data().EvolvesInto[species]};
    return {};
}

std::map<int, std::vector<int>> Parents() {
    std::map<int, std::vector<int>> parents;
    for (int s = 1; s <= kSpeciesCount; ++s) {
        for (int form : Forms(s)) parents[form].push_back(s);
    }
    return parents;
}

bool IsEvolutionTarget(int species) {
    return Parents().contains(species);
}

int StagesBelow(int species) {
    int most = 0;
    for (int form : Forms(species)) most = std::max(most, 1 + StagesBelow(form));
    return most;
}

bool IsVowel(char c) {
    return std::string_view("aeiouy").find(std::tolower(c)) != std::string_view::npos;
}

// A made-up name the player can say: capitalised letters, at most one hyphen
// or apostrophe, vowels spread through it.
::testing::AssertionResult Pronounceable(const std::string& name) {
    int marks = 0, consonantRun = 0, vowels = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = name[i];
        if (c == '-' || c == '\'') {
            ++marks;
            consonantRun = 0;
            continue;
        }
        if (!std::isalpha(c)) return ::testing::AssertionFailure() << name << " has '" << c << "'";
        if (i == 0 && !std::isupper(c))
            return ::testing::AssertionFailure() << name << " is not capitalised";
        if (i >= 2 && name[i] == name[i - 1] && name[i] == name[i - 2])
            return ::testing::AssertionFailure() << name << " repeats a letter three times";
        if (IsVowel(c)) {
            ++vowels;
            consonantRun = 0;
        } else if (++consonantRun >= 5) {
            return ::testing::AssertionFailure() << name << " has five consonants in a row";
        }
    }
    if (marks > 1)
        return ::testing::AssertionFailure() << name << " has more than one hyphen or apostrophe";
    if (vowels == 0) return ::testing::AssertionFailure() << name << " has no vowel";
    return ::testing::AssertionSuccess();
}

template <std::size_t N>
void ExpectUnique(const std::array<std::string, N>& names, const char* table) {
    std::set<std::string> seen;
    for (std::size_t i = 1; i < N; ++i) {
        EXPECT_FALSE(names[i].empty()) << table << " " << i << " is empty";
        EXPECT_TRUE(seen.insert(names[i]).second) << table << " " << i << " repeats " << names[i];
    }
}

class GameDataContent : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Data().SpeciesNames[1].empty()) << "data file did not load";
    }
    const GameData& d = Data();
};

TEST(GameDataFile, HoldsExactlyTheValueLinesOfTheThirteenSections) {
    std::ifstream in(ZORIKAN_DATA_FILE, std::ios::binary);
    ASSERT_TRUE(in) << ZORIKAN_DATA_FILE;
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        EXPECT_FALSE(line.empty()) << "blank line " << lines;
        EXPECT_NE(line.back(), '\r') << "line " << lines << " ends in CR";
    }
    // 289 chart + 386 + 24 + 772 + 386 + 386 + 119 + 119 + 119 + 17 + 1544 + 18 + 64
    EXPECT_EQ(lines, 4243);
    GameData d;
    EXPECT_EQ(LoadGameDataFile(ZORIKAN_DATA_FILE, d), std::nullopt);
}

TEST_F(GameDataContent, TypeChartUsesOnlyZeroHalfOneAndTwo) {
    for (int row = 1; row <= kTypeCount; ++row) {
        EXPECT_EQ(d.TypeChart[row][0], 1.0f);
        for (int col = 1; col <= kTypeCount; ++col) {
            const float m = d.TypeChart[row][col];
            EXPECT_TRUE(m == 0.0f || m == 0.5f || m == 1.0f || m == 2.0f)
                << row << " vs " << col << ": " << m;
        }
    }
}

TEST_F(GameDataContent, EveryTypeHasAWeaknessAResistanceAndAFewImmunitiesExist) {
    int immunities = 0;
    for (int defender = 1; defender <= kTypeCount; ++defender) {
        bool weak = false, resists = false;
        for (int attacker = 1; attacker <= kTypeCount; ++attacker) {
            const float m = d.TypeChart[attacker][defender];
            weak |= m == 2.0f;
            resists |= m < 1.0f;
            immunities += m == 0.0f;
        }
        EXPECT_TRUE(weak) << d.TypeNames[defender] << " has no weakness";
        EXPECT_TRUE(resists) << d.TypeNames[defender] << " resists nothing";
    }
    EXPECT_GE(immunities, 3);
    EXPECT_LE(immunities, 10);
}

TEST_F(GameDataContent, StarterTypesBeatEachOtherInACircle) {
    const int plant = d.SpeciesType1[1], fire = d.SpeciesType1[4], water = d.SpeciesType1[7];
    ASSERT_EQ(std::set<int>({plant, fire, water}).size(), 3u);
    EXPECT_EQ(d.TypeChart[water][fire], 2.0f);
    EXPECT_EQ(d.TypeChart[fire][plant], 2.0f);
    EXPECT_EQ(d.TypeChart[plant][water], 2.0f);
    // ... and the circle runs one way only.
    EXPECT_LT(d.TypeChart[fire][water], 1.0f);
    EXPECT_LT(d.TypeChart[plant][fire], 1.0f);
    EXPECT_LT(d.TypeChart[water][plant], 1.0f);
}

TEST_F(GameDataContent, StarterLinesHaveThreeStagesOfTheirStarterType) {
    for (int starter : kStarters) {
        SCOPED_TRACE(d.SpeciesNames[starter]);
        EXPECT_FALSE(IsEvolutionTarget(starter));
        EXPECT_EQ(FindSplitEvolution(starter), nullptr);
        const int type = d.SpeciesType1[starter];
        std::vector<int> line = {starter};
        while (d.EvolvesInto[line.back()] != 0 && line.size() < 4)
            line.push_back(d.EvolvesInto[line.back()]);
        ASSERT_EQ(line.size(), 3u);
        for (int stage : line) EXPECT_TRUE(HasType(stage, type)) << d.SpeciesNames[stage];
    }
}

TEST_F(GameDataContent, TypeChartIsBalanced) {
    for (int type = 1; type <= kTypeCount; ++type) {
        SCOPED_TRACE(d.TypeNames[type]);
        int hits = 0, hitBy = 0;
        for (int other = 1; other <= kTypeCount; ++other) {
            hits += d.TypeChart[type][other] == 2.0f;
            hitBy += d.TypeChart[other][type] == 2.0f;
        }
        EXPECT_GE(hits, 1) << "no strength";
        EXPECT_GE(hitBy, 1) << "no weakness";
        EXPECT_LE(std::abs(hits - hitBy), 2) << hits << " strengths, " << hitBy << " weaknesses";
    }
}

TEST_F(GameDataContent, NamedTablesHaveUniqueNames) {
    ExpectUnique(d.TypeNames, "type");
    ExpectUnique(d.SpeciesNames, "species");
    ExpectUnique(d.AttackNames, "attack");
    ExpectUnique(d.BadgeNames, "badge");
    ExpectUnique(d.TournamentTrainers, "trainer");
    for (int t = 1; t <= kTypeCount; ++t) {
        EXPECT_LE(d.TypeNames[t].size(), 10u) << d.TypeNames[t];
        EXPECT_TRUE(Pronounceable(d.TypeNames[t]));
    }
}

TEST_F(GameDataContent, SpeciesNamesAreShortAndPronounceable) {
    for (int s = 1; s <= kSpeciesCount; ++s) {
        EXPECT_LE(d.SpeciesNames[s].size(), 12u) << d.SpeciesNames[s];
        EXPECT_TRUE(Pronounceable(d.SpeciesNames[s]));
    }
    EXPECT_EQ(d.SpeciesNames[150], "Omnivar");
}

TEST_F(GameDataContent, SpeciesHaveOneOrTwoDifferentTypes) {
    for (int s = 1; s <= kSpeciesCount; ++s) {
        EXPECT_GE(d.SpeciesType1[s], 1) << s;
        EXPECT_LE(d.SpeciesType1[s], kTypeCount) << s;
        EXPECT_LE(d.SpeciesType2[s], kTypeCount) << s;
        EXPECT_NE(d.SpeciesType1[s], d.SpeciesType2[s]) << s;
    }
}

TEST_F(GameDataContent, AttacksHaveNamesPowersAndTypes) {
    std::map<int, int> perType;
    int moderate = 0, strong = 0, huge = 0;
    for (int a = 1; a <= kAttackCount; ++a) {
        const std::string& name = d.AttackNames[a];
        EXPECT_LE(name.size(), 16u) << name;
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](unsigned char c) {
            return std::isalpha(c) || c == ' ' || c == '-';
        })) << name;
        EXPECT_GE(d.AttackPower[a], 1) << name;
        EXPECT_GE(d.AttackType[a], 1) << name;
        ++perType[d.AttackType[a]];
        const int p = d.AttackPower[a];
        moderate += p >= 20 && p <= 60;
        strong += p >= 70 && p <= 120;
        huge += p > 150;
    }
    for (int t = 1; t <= kTypeCount; ++t) EXPECT_GE(perType[t], 3) << d.TypeNames[t];
    EXPECT_GE(moderate, 40);
    EXPECT_GE(strong, 20);
    EXPECT_GE(huge, 1);
    EXPECT_LE(huge, 5);
}

TEST_F(GameDataContent, SpeciesKnowFourDifferentAttacksThatMostlyFitTheirTypes) {
    std::set<int> used;
    int fitting = 0;
    for (int s = 1; s <= kSpeciesCount; ++s) {
        std::set<int> own;
        for (int k = 1; k <= 4; ++k) {
            const int a = d.SpeciesAttacks[s][k];
            ASSERT_GE(a, 1) << s;
            own.insert(a);
            used.insert(a);
        }
        EXPECT_EQ(own.size(), 4u) << d.SpeciesNames[s] << " repeats an attack";
        EXPECT_GE(OwnTypeAttacks(s), 1) << d.SpeciesNames[s];
        fitting += OwnTypeAttacks(s) >= 2;
    }
    EXPECT_GE(fitting, kSpeciesCount * 9 / 10);
    for (int a = 1; a <= kAttackCount; ++a)
        EXPECT_TRUE(used.contains(a)) << d.AttackNames[a] << " is never used";
}

TEST_F(GameDataContent, EvolutionsGoToALaterSpeciesAtASensibleLevel) {
    for (int s = 1; s <= kSpeciesCount; ++s) {
        SCOPED_TRACE(d.SpeciesNames[s]);
        const int into = d.EvolvesInto[s];
        if (d.EvolutionLevel[s] == 0) {
            EXPECT_EQ(into, 0);
            continue;
        }
        EXPECT_GE(d.EvolutionLevel[s], 10);
        EXPECT_LE(d.EvolutionLevel[s], 60);
        ASSERT_GE(into, 1);
        ASSERT_LE(into, kSpeciesCount);
        if (FindSplitEvolution(s) == nullptr) {
            EXPECT_GT(into, s);
        }
        for (int form : Forms(s)) {
            EXPECT_TRUE(SharesType(s, form)) << d.SpeciesNames[form] << " drops both types";
            if (d.EvolutionLevel[form] != 0) {
                EXPECT_GT(d.EvolutionLevel[form], d.EvolutionLevel[s]);
            }
        }
    }
}

TEST_F(GameDataContent, EvolutionLinesHaveOneToThreeStagesAndManyBasics) {
    const auto parents = Parents();
    std::map<int, int> lineLengths;
    for (int s = 1; s <= kSpeciesCount; ++s) {
        if (auto it = parents.find(s); it != parents.end()) {
            EXPECT_EQ(it->second.size(), 1u) << d.SpeciesNames[s] << " has several pre-evolutions";
            continue;
        }
        ++lineLengths[1 + StagesBelow(s)];
    }
    EXPECT_GE(lineLengths[1], 20);
    EXPECT_GE(lineLengths[2], 20);
    EXPECT_GE(lineLengths[3], 15);
    EXPECT_EQ(lineLengths.rbegin()->first, 3);
    const int basics = kSpeciesCount - static_cast<int>(parents.size());
    EXPECT_GE(basics, 150);
}

// Where a species lives, by its number: the region's block of numbers, and
// within it one of four habitats taken in turn (data/README.md).
struct Home {
    int region;
    int habitat;
    bool operator==(const Home&) const = default;
};
Home HomeOf(int species) {
    constexpr std::array kRegionStarts = {1, 150, 269};  // Aldmark, Brennar, Cyrelle
    int region = 0;
    while (region + 1 < static_cast<int>(kRegionStarts.size()) &&
           species >= kRegionStarts[static_cast<std::size_t>(region) + 1])
        ++region;
    return {region, (species - kRegionStarts[static_cast<std::size_t>(region)]) % 4};
}

TEST_F(GameDataContent, FamiliesKeepToTheirHabitatAndChangelingsSettleElsewhere) {
    for (int s = 1; s <= kSpeciesCount; ++s) {
        SCOPED_TRACE(d.SpeciesNames[s]);
        if (const auto* split = FindSplitEvolution(s)) {
            for (int form : split->forms()) EXPECT_FALSE(HomeOf(form) == HomeOf(s)) << form;
        } else if (d.EvolvesInto[s] != 0 && s != 290) {
            EXPECT_TRUE(HomeOf(d.EvolvesInto[s]) == HomeOf(s)) << d.EvolvesInto[s];
        }
    }
    // The splitting evolution's two creatures drift to two other shores.
    EXPECT_FALSE(HomeOf(291) == HomeOf(290));
    EXPECT_FALSE(HomeOf(292) == HomeOf(290));
    EXPECT_FALSE(HomeOf(292) == HomeOf(291));
}

TEST_F(GameDataContent, SplitEvolutionsOfferTheirFormsFirstFormInTheFile) {
    ASSERT_EQ(kSplitEvolutions.size(), kRequiredSplits.size());
    for (std::size_t i = 0; i < kRequiredSplits.size(); ++i) {
        const auto& required = kRequiredSplits[i];
        SCOPED_TRACE(required.species);
        EXPECT_EQ(kSplitEvolutions[i].species, required.species);
        const auto forms = kSplitEvolutions[i].forms();
        EXPECT_EQ(std::vector<int>(forms.begin(), forms.end()), required.forms);
        EXPECT_EQ(d.EvolvesInto[required.species], required.forms.front());
        EXPECT_GT(d.EvolutionLevel[required.species], 0);
        for (int form : required.forms) {
            // 266 and 268 may grow once more; every other form is final.
            if (form != 266 && form != 268) {
                EXPECT_EQ(d.EvolvesInto[form], 0) << form;
            }
        }
    }
    std::set<int> firstTypes;
    for (int form : {134, 135, 136, 196, 197}) firstTypes.insert(d.SpeciesType1[form]);
    EXPECT_EQ(firstTypes.size(), 5u);

    EXPECT_EQ(d.EvolvesInto[290], 291);
    EXPECT_EQ(d.EvolvesInto[292], 0);
    EXPECT_TRUE(SharesType(290, 292));
}

TEST_F(GameDataContent, OmnivarIsAnOverwhelmingMindCreature) {
    const int omnivar = 150;
    EXPECT_EQ(d.EvolutionLevel[omnivar], 0);
    EXPECT_FALSE(IsEvolutionTarget(omnivar));
    const int strongest = *std::max_element(d.AttackPower.begin() + 1, d.AttackPower.end());
    EXPECT_EQ(MaxPower(omnivar), strongest);
    EXPECT_GT(strongest, 150);
    int signature = 0;
    for (int k = 1; k <= 4; ++k) {
        const int attack = d.SpeciesAttacks[omnivar][k];
        if (d.AttackPower[attack] == strongest) signature = attack;
    }
    EXPECT_TRUE(HasType(omnivar, d.AttackType[signature]));
    for (int first : {1, 4, 7}) EXPECT_FALSE(HasType(omnivar, d.SpeciesType1[first]));
    for (int s = 1; s <= kSpeciesCount; ++s) {
        if (s != omnivar) {
            EXPECT_LT(MeanPower(s), MeanPower(omnivar)) << d.SpeciesNames[s];
        }
    }
}

TEST_F(GameDataContent, LegendaryAndGiftCreaturesStandAloneAndHitHard) {
    std::vector<int> rare(kLegendary.begin(), kLegendary.end());
    rare.insert(rare.end(), kGifts.begin(), kGifts.end());
    for (int s : rare) {
        SCOPED_TRACE(d.SpeciesNames[s]);
        EXPECT_EQ(d.EvolutionLevel[s], 0);
        EXPECT_EQ(d.EvolvesInto[s], 0);
        EXPECT_FALSE(IsEvolutionTarget(s));
        EXPECT_GE(MeanPower(s), 90.0);
    }
    for (int s : kLegendary) EXPECT_GE(MaxPower(s), 100) << d.SpeciesNames[s];

    EXPECT_EQ(d.EvolvesInto[143], 0);
    EXPECT_FALSE(IsEvolutionTarget(143));
    EXPECT_GE(MaxPower(143), 120);

    // The wanderer's forms the wild search never offers are strong final forms.
    for (int s : {134, 135, 136, 196, 197}) {
        EXPECT_EQ(d.EvolvesInto[s], 0) << d.SpeciesNames[s];
        EXPECT_GE(MeanPower(s), 75.0) << d.SpeciesNames[s];
    }
}

TEST_F(GameDataContent, OdditiesNoTournamentFieldsAreWeakLoners) {
    for (int s : kWeakOddities) {
        SCOPED_TRACE(d.SpeciesNames[s]);
        EXPECT_LE(MaxPower(s), 35);
        EXPECT_EQ(d.EvolvesInto[s], 0);
        EXPECT_FALSE(IsEvolutionTarget(s));
    }
}

double Strength(const Fielded& o) {
    return MeanPower(o.species) * o.level;
}

TEST_F(GameDataContent, OpponentsFitTheirLevels) {
    // The first trainers field first stages with weak attacks.
    const std::vector<Fielded> beginners = OpponentsUnder(MenuItem::Beginner1);
    ASSERT_EQ(beginners.size(), 7u);
    for (const auto& o : beginners) {
        SCOPED_TRACE(d.SpeciesNames[o.species]);
        if (o.species != 25) {
            EXPECT_FALSE(IsEvolutionTarget(o.species));
            EXPECT_NE(d.EvolvesInto[o.species], 0);
            EXPECT_LE(MeanPower(o.species), 50.0);
        }
        EXPECT_LE(MaxPower(o.species), 100);
    }
    // Novices bring a creature that has grown once and will grow again.
    const std::vector<Fielded> novices = OpponentsUnder(MenuItem::Novice);
    ASSERT_EQ(novices.size(), 3u);
    for (const auto& o : novices) {
        SCOPED_TRACE(d.SpeciesNames[o.species]);
        EXPECT_TRUE(IsEvolutionTarget(o.species));
        EXPECT_NE(d.EvolvesInto[o.species], 0);
        EXPECT_LE(d.EvolutionLevel[o.species], 40);
    }
    // Each Aldmark leader is harder than the one before; the first is a first stage.
    const std::vector<Fielded> leaders = OpponentsUnder(MenuItem::AldmarkGymLeaders1);
    ASSERT_EQ(leaders.size(), 8u);
    EXPECT_FALSE(IsEvolutionTarget(leaders[0].species));
    for (std::size_t i = 1; i < leaders.size(); ++i) {
        EXPECT_GT(Strength(leaders[i]), Strength(leaders[i - 1]))
            << "leader " << i + 1 << ": " << d.SpeciesNames[leaders[i].species];
    }
    // From level 40 on, every opponent is a final form with strong attacks.
    const std::vector<Fielded> strong = StrongOpponents();
    ASSERT_EQ(strong.size(), 40u);
    for (const auto& o : strong) {
        SCOPED_TRACE(d.SpeciesNames[o.species]);
        EXPECT_EQ(d.EvolvesInto[o.species], 0) << "not a final form";
        EXPECT_GE(MeanPower(o.species), o.level >= 95 ? 80.0 : 75.0);
    }
}

TEST_F(GameDataContent, BadgesAndTrainersReadWellInMessages) {
    const std::string suffix = " Badge";
    for (int b = 1; b <= kBadgeCount; ++b) {
        const std::string& badge = d.BadgeNames[b];
        ASSERT_GT(badge.size(), suffix.size()) << badge;
        EXPECT_TRUE(badge.ends_with(suffix)) << badge;
        EXPECT_TRUE(Pronounceable(badge.substr(0, badge.size() - suffix.size()))) << badge;
    }
    std::set<std::string> species(d.SpeciesNames.begin() + 1, d.SpeciesNames.end());
    for (int t = 1; t <= kTournamentTrainerCount; ++t) {
        const std::string& trainer = d.TournamentTrainers[t];
        EXPECT_LE(trainer.size(), 12u) << trainer;
        EXPECT_TRUE(Pronounceable(trainer));
        EXPECT_FALSE(species.contains(trainer)) << trainer << " is also a species";
    }
}

TEST_F(GameDataContent, TournamentPrizesNameTheFixedPrizes) {
    const std::array<std::array<std::string, 3>, 6> expected = {{
        {"3 ZORIBalls", "2 Potions", "2500\u00A5"},
        {"3 Potions", "5 ZORIBalls", "4000\u00A5"},
        {"3 Great Balls", "an Ultra Ball", "a Super Potion"},
        {"3 Super Potions", "5 Great Balls", "10000\u00A5"},
        {"3 Ultra Balls", "15000\u00A5", "10 Great Balls"},
        {"a Master Ball", "30000\u00A5", "a random ZORIKAN"},
    }};
    for (int band = 1; band <= kTournamentBands; ++band) {
        for (int c = 1; c <= kPrizesPerBand; ++c) {
            EXPECT_EQ(d.TournamentPrizes[band][c], expected[band - 1][c - 1]) << band << "/" << c;
        }
    }
}

}  // namespace
}  // namespace zorikan
