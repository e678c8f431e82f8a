// The data file reader: value rules, sections, progress and errors.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <clocale>
#include <locale>
#include <sstream>

#include "core/data/data_file.h"
#include "core/data/loader_gauges.h"
#include "core/data/text_values.h"
#include "temp_folder.h"

namespace zorikan {
namespace {

// A data file of the right shape: every real 1, names "Name<n>", numbers 1.
std::string WellFormedFile() {
    std::ostringstream f;
    for (int i = 0; i < 289; ++i) f << "1\n";
    for (int s = 1; s <= 386; ++s) f << "Species " << s << "\n";
    for (int b = 1; b <= 24; ++b) f << "Badge " << b << "\n";
    for (int s = 1; s <= 386; ++s) f << "1\n0\n";
    for (int s = 1; s <= 386; ++s) f << "0\n";
    for (int s = 1; s <= 386; ++s) f << "0\n";
    for (int a = 1; a <= 119; ++a) f << "Attack " << a << "\n";
    for (int a = 1; a <= 119; ++a) f << "40\n";
    for (int a = 1; a <= 119; ++a) f << "1\n";
    for (int t = 1; t <= 17; ++t) f << "Type " << t << "\n";
    for (int i = 0; i < 1544; ++i) f << (i % 119 + 1) << "\n";
    for (int p = 1; p <= 18; ++p) f << "Prize " << p << "\n";
    for (int t = 1; t <= 64; ++t) f << "Trainer " << t << "\n";
    return f.str();
}

// Replaces line `number` (1-based) of a file's text.
std::string WithLine(std::string text, int number, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i < number; ++i) start = text.find('\n', start) + 1;
    return text.replace(start, text.find('\n', start) - start, line);
}

// Section start lines in the file: reals, names, badges, types, evolution
// levels, evolutions, attack names, powers, attack types, type names,
// species attacks, prizes, trainers.
constexpr int kNamesLine = 290, kTypesLine = 700, kPowersLine = 2363, kSpeciesAttacksLine = 2618;

class RecordingProgress final : public LoadProgress {
public:
    std::vector<std::pair<int, std::string>> stages;
    int steps = 0;
    void startStage(int maximum, const std::string& caption) override {
        stages.emplace_back(maximum, caption);
    }
    void step() override { ++steps; }
};

TEST(TextValues, NumbersSkipBlankLinesAndTheRestOfTheirLine) {
    TextValueReader in("\n\n  42 trailing words\n\t-7\nname with  spaces  \n");
    std::int32_t a = 0, b = 0;
    EXPECT_FALSE(in.readInt32(a));
    EXPECT_FALSE(in.readInt32(b));
    EXPECT_EQ(a, 42);
    EXPECT_EQ(b, -7);
    EXPECT_EQ(in.readLine(), "name with  spaces  ");
}

TEST(TextValues, EndOfFileReadsAsZeroOrEmptyWithoutError) {
    TextValueReader in("5");
    std::int32_t n = -1;
    float r = -1;
    EXPECT_FALSE(in.readInt32(n));
    EXPECT_EQ(n, 5);
    EXPECT_FALSE(in.readInt32(n));
    EXPECT_FALSE(in.readReal(r));
    EXPECT_EQ(n, 0);
    EXPECT_EQ(r, 0.0f);
    EXPECT_EQ(in.readLine(), "");
}

TEST(TextValues, RealsTakeThePointInEveryLocale) {
    // A player whose system writes 0,5 still reads the data file's 0.5.
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale before =
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const char* cBefore = std::setlocale(LC_NUMERIC, nullptr);
    std::string savedC = cBefore ? cBefore : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");

    TextValueReader in("2\n0.5\n5E-1\n+1.5e0\n0,5\n");
    float values[4] = {};
    for (float& v : values) EXPECT_FALSE(in.readReal(v));
    auto bad = in.readReal(values[0]);

    std::setlocale(LC_NUMERIC, savedC.c_str());
    std::locale::global(before);
    EXPECT_EQ(values[1], 0.5f);
    EXPECT_EQ(values[2], 0.5f);
    EXPECT_EQ(values[3], 1.5f);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->message(), "Invalid numeric input.");
}

TEST(TextValues, RealsAreFiniteDecimalNumbersThatFitSinglePrecision) {
    for (const char* token : {"nan", "NaN", "-nan", "inf", "+inf", "-Infinity", "infinity", "1e39",
                              "-1e39", "3.5e38", "1e400", "0x1p3", "1.5f", "e5", ".",
                              // nonzero, yet nearer zero than any double: below half the smallest
                              "1e-400", "2.4703282292062327e-324",
                              "2470328229206232720882843964341106861825299013071623822127e-381"}) {
        TextValueReader in(token);
        float value = 7;
        const auto error = in.readReal(value);
        ASSERT_TRUE(error) << token;
        EXPECT_EQ(error->message(), "Invalid numeric input.") << token;
    }
    TextValueReader in(
        "3.4e38\n-0.25\n1E1\n1e-50\n.5\n1e-310\n"
        "2470328229206232720882843964341106861825299013071623822128e-381\n");
    float values[7] = {};
    for (float& v : values) EXPECT_FALSE(in.readReal(v));
    EXPECT_EQ(values[0], 3.4e38f);
    EXPECT_EQ(values[1], -0.25f);
    EXPECT_EQ(values[2], 10.0f);
    EXPECT_EQ(values[3], 0.0f);  // smaller than single precision holds: zero
    EXPECT_EQ(values[4], 0.5f);
    EXPECT_EQ(values[5], 0.0f);  // below a double's normal range, still a number
    EXPECT_EQ(values[6], 0.0f);  // just above half the smallest double
}

TEST(TextValues, TextWhereANumberBelongsIsInvalidNumericInput) {
    std::int32_t n = 0;
    for (const char* text : {"Omnivar\n", "12abc\n", "--3\n", "99999999999\n"}) {
        TextValueReader in(text);
        auto error = in.readInt32(n);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->text, "Invalid numeric input");
    }
    std::int64_t wide = 0;
    TextValueReader in(
        "4294967296\n-9223372036854775808\n+0009223372036854775807\n"
        "9223372036854775808\n99999999999999999999999\n");
    EXPECT_FALSE(in.readInt64(wide));
    EXPECT_EQ(wide, 4294967296LL);
    EXPECT_FALSE(in.readInt64(wide));
    EXPECT_EQ(wide, INT64_MIN);
    EXPECT_FALSE(in.readInt64(wide));
    EXPECT_EQ(wide, INT64_MAX);
    EXPECT_TRUE(in.readInt64(wide));  // one past the largest
    EXPECT_TRUE(in.readInt64(wide));  // would wrap 64 bits
}

TEST(DataFile, ReadsEverySectionInOrder) {
    GameData d;
    std::string text = WellFormedFile();
    text = WithLine(text, kNamesLine + 24, "Name  With Spaces ");
    ASSERT_FALSE(ReadGameData(text, d));
    EXPECT_EQ(d.TypeChart[5][0], 1.0f);
    EXPECT_EQ(d.TypeChart[17][17], 1.0f);
    EXPECT_EQ(d.SpeciesNames[1], "Species 1");
    EXPECT_EQ(d.SpeciesNames[25], "Name  With Spaces ");
    EXPECT_EQ(d.BadgeNames[24], "Badge 24");
    EXPECT_EQ(d.SpeciesType1[386], 1);
    EXPECT_EQ(d.AttackNames[119], "Attack 119");
    EXPECT_EQ(d.TypeNames[17], "Type 17");
    EXPECT_EQ(d.SpeciesAttacks[1][1], 1);
    EXPECT_EQ(d.SpeciesAttacks[386][4], 1543 % 119 + 1);
    EXPECT_EQ(d.TournamentPrizes[6][3], "Prize 18");
    EXPECT_EQ(d.TournamentTrainers[64], "Trainer 64");
}

TEST(DataFile, ByteTablesKeepTheLowEightBits) {
    GameData d;
    const std::string text = WithLine(WellFormedFile(), kPowersLine, "300");
    ASSERT_FALSE(ReadGameData(text, d));
    EXPECT_EQ(d.AttackPower[1], 44);
}

TEST(DataFile, BlankLinesBeforeNumbersAreSkippedButAreEmptyStrings) {
    GameData d;
    // A blank line in front of a type value is passed over.
    std::string text = WellFormedFile();
    text.insert(text.find("1\n0\n", text.find("Badge 24")), "\n");
    ASSERT_FALSE(ReadGameData(text, d));
    EXPECT_EQ(d.SpeciesType1[1], 1);
    EXPECT_EQ(d.TournamentTrainers[64], "Trainer 64");

    // In a string section it is a value: every later value moves one line
    // on, until the last badge name stands where a number belongs.
    GameData shifted;
    std::string names = WellFormedFile();
    names.insert(names.find("Species 1\n"), "\n");
    auto error = ReadGameData(names, shifted);
    EXPECT_EQ(shifted.SpeciesNames[1], "");
    EXPECT_EQ(shifted.SpeciesNames[2], "Species 1");
    EXPECT_EQ(shifted.BadgeNames[1], "Species 386");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, "Invalid numeric input");
}

TEST(DataFile, AShortFileLoadsWithZerosAndEmptyTexts) {
    GameData d;
    std::string text = WellFormedFile();
    text.resize(text.find('\n', [&] {
        std::size_t pos = 0;
        for (int i = 1; i < kSpeciesAttacksLine + 100; ++i) pos = text.find('\n', pos) + 1;
        return pos;
    }()));
    ASSERT_FALSE(ReadGameData(text, d));
    EXPECT_NE(d.SpeciesAttacks[25][1], 0);
    EXPECT_EQ(d.SpeciesAttacks[386][4], 0);
    EXPECT_EQ(d.TournamentPrizes[1][1], "");
    EXPECT_EQ(d.TournamentTrainers[1], "");
}

TEST(DataFile, ACommaInARealStopsTheLoad) {
    GameData d;
    const std::string text = WithLine(WellFormedFile(), 3, "0,5");
    auto error = ReadGameData(text, d);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "Invalid numeric input.");
    EXPECT_EQ(d.TypeChart[1][2], 1.0f);  // read before the error
    EXPECT_EQ(d.SpeciesNames[1], "");    // never reached
}

TEST(DataFile, ANameWhereANumberBelongsStopsTheLoad) {
    GameData d;
    const std::string text = WithLine(WellFormedFile(), kTypesLine, "Sproutling");
    auto error = ReadGameData(text, d);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, "Invalid numeric input");
    EXPECT_EQ(d.SpeciesNames[386], "Species 386");
}

TEST(DataFile, ValuesThatIndexOtherTablesMustFitThem) {
    // An attack number past the last attack would make battles read outside
    // the attack tables; the load names the line instead.
    GameData d;
    const std::string text = WithLine(WellFormedFile(), kSpeciesAttacksLine + 5, "120");
    auto error = ReadGameData(text, d);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(),
              "Value out of range at line " + std::to_string(kSpeciesAttacksLine + 5) + ".");
    EXPECT_EQ(d.SpeciesAttacks[2][2], 0) << "the rejected number must not stay in its table";
    GameData types;
    EXPECT_TRUE(ReadGameData(WithLine(WellFormedFile(), kTypesLine + 1, "18"), types));
    EXPECT_EQ(types.SpeciesType2[1], 0);
}

TEST(DataFile, MissingFileIsFileNotFound) {
    GameData d;
    auto error = LoadGameDataFile("/nonexistent/folder/ZORIGAME.dat", d);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "File not found.");
}

TEST(DataFile, AFolderOrPipeInTheFilesPlaceIsAccessDenied) {
    // A folder opens for reading on this system but holds no text: read as
    // an empty file it would start the game with empty tables.
    testing::TempFolder folder;
    const std::string dat = folder.file("ZORIGAME.dat");
    std::filesystem::create_directory(dat);
    GameData d;
    EXPECT_EQ(LoadGameDataFile(dat, d), FileError{"File access denied"});
    EXPECT_EQ(d.TypeChart[1][0], 0.0f) << "no table was touched";

#ifndef _WIN32
    // A pipe would wait for a writer forever; it is refused at once.
    const std::string pipe = folder.file("pipe.dat");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(LoadGameDataFile(pipe, d), FileError{"File access denied"});
#endif
}

TEST(DataFile, StagesAndGaugeSteps) {
    GameData d;
    RecordingProgress progress;
    ASSERT_FALSE(ReadGameData(WellFormedFile(), d, &progress));
    const std::vector<std::pair<int, std::string>> expected = {
        {306, "Declaring type relations"},       {386, "Declaring ZORIKAN names"},
        {24, "Declaring badge names"},           {772, "Declaring ZORIKAN Types"},
        {386, "Declaring evolution levels"},     {386, "Declaring evolutions"},
        {119, "Declaring attack names"},         {119, "Declaring attack powers"},
        {119, "Declaring attack types"},         {17, "Declaring type names"},
        {1544, "Declaring ZORIKAN attacks"},     {18, "Initializing tournament prizes"},
        {64, "Initializing tournament trainers"}};
    EXPECT_EQ(progress.stages, expected);
    EXPECT_EQ(progress.steps, 4260);
}

TEST(LoaderGauges, TotalStopsAtItsMaximumAndTheLastStageIsFull) {
    GameData d;
    LoaderGauges gauges;
    int redraws = 0, stageStarts = 0;
    gauges.onChange = [&](bool stage) { stage ? ++stageStarts : ++redraws; };
    ASSERT_FALSE(ReadGameData(WellFormedFile(), d, &gauges));
    EXPECT_EQ(gauges.totalPosition(), LoaderGauges::kTotalMaximum);
    EXPECT_EQ(gauges.stagePosition(), 64);
    EXPECT_EQ(gauges.stageMaximum(), 64);
    EXPECT_EQ(gauges.caption(), "Initializing tournament trainers");
    EXPECT_EQ(stageStarts, 13);
    // Redraws happen when a percentage changes, not at every one of the 4,260 steps.
    EXPECT_GT(redraws, 100);
    EXPECT_LT(redraws, 1400);
}

TEST(LoaderGauges, PercentIsWholeAndTruncated) {
    EXPECT_EQ(GaugePercent(0, 306), 0);
    EXPECT_EQ(GaugePercent(305, 306), 99);
    EXPECT_EQ(GaugePercent(306, 306), 100);
    EXPECT_EQ(GaugePercent(1517, 3034), 50);
}

}  // namespace
}  // namespace zorikan
