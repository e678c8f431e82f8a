// The saved-game layout: what is written, what is read back, and the rules
// for older files, odd lines and short files.

#include "core/saves/save_game.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "temp_folder.h"
#include "version1_save.h"

namespace zorikan::testing {
namespace {

// Every persistent value set to something distinct, several above 2^31.
GameState FilledState() {
    GameState s;
    s.PlayerName = "Ysolde";
    s.GrandFourChampionBeaten = true;
    s.KellBeaten = false;
    s.MeBeaten = true;
    s.Gift385Given = false;
    s.Gift386Given = true;
    s.BadgeCount = 17;
    s.Money = 4'000'000'000u;
    s.Wins = 2'147'483'648u;
    s.Losses = 3;
    s.Fights = 4'294'967'295u;
    s.Catches = 5;
    s.ZoriBalls = 6;
    s.GreatBalls = 7;
    s.UltraBalls = 8;
    s.MasterBalls = 9;
    s.Potions = 10;
    s.SuperPotions = 11;
    for (int n = 1; n <= kSpeciesCount; n += 3) s.OwnedFlags[n] = true;
    s.OwnedFlags[386] = true;
    for (int slot = 1; slot <= 40; ++slot) {
        s.RosterSpecies[slot] = (slot * 37) % kSpeciesCount + 1;
        s.RosterLevel[slot] = static_cast<std::uint8_t>(slot + 2);
        s.RosterExp[slot] = 3'000'000'000u + static_cast<std::uint32_t>(slot);
    }
    s.RosterSpecies[kRosterSlots] = 386;  // the very last slot is written too
    s.RosterLevel[kRosterSlots] = 255;
    s.RosterExp[kRosterSlots] = 1;
    return s;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

TEST(SaveGameText, WritesTheCurrentLayoutLineByLine) {
    const GameState s = FilledState();
    const std::string text = SaveGameText(s);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kSaveLinesV2));
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    EXPECT_EQ(lines[0], "VERSION2SAVEFILEIDENTIFIER");
    EXPECT_EQ(lines[1], "Ysolde");
    EXPECT_EQ((std::vector<std::string>(lines.begin() + 2, lines.begin() + 7)),
              (std::vector<std::string>{"TRUE", "FALSE", "TRUE", "FALSE", "TRUE"}));
    EXPECT_EQ(lines[7], "17");
    EXPECT_EQ(lines[8], "4000000000");
    EXPECT_EQ(lines[9], "2147483648");
    EXPECT_EQ(lines[11], "4294967295");
    EXPECT_EQ(lines[18], "11");
    EXPECT_EQ(lines[19], "TRUE");   // species 1
    EXPECT_EQ(lines[20], "FALSE");  // species 2
    EXPECT_EQ(lines[404], "TRUE");  // species 386
    EXPECT_EQ(lines[405], std::to_string(s.RosterSpecies[1]));
    EXPECT_EQ(lines[406], "3");
    EXPECT_EQ(lines[407], "3000000001");
    EXPECT_EQ(lines[405 + 3 * 40], "0");  // slot 41 is empty
    EXPECT_EQ(lines[kSaveLinesV2 - 2], "255");
}

TEST(SaveGameText, RoundTripKeepsEveryPersistentValue) {
    const GameState written = FilledState();
    GameState read;
    ASSERT_EQ(ReadSaveGameText(SaveGameText(written), read), std::nullopt);
    EXPECT_EQ(read, written);

    // A fresh game survives too, with its empty name.
    GameState empty, readEmpty;
    readEmpty.PlayerName = "old";
    readEmpty.Money = 5;
    ASSERT_EQ(ReadSaveGameText(SaveGameText(empty), readEmpty), std::nullopt);
    EXPECT_EQ(readEmpty, empty);
}

TEST(SaveGameText, ReadsLineFeedsAloneAndPassesOverBlankLinesBeforeNumbers) {
    auto lines = Lines(SaveGameText(FilledState()));
    std::string text = Join(lines, "\n");
    GameState read;
    ASSERT_EQ(ReadSaveGameText(text, read), std::nullopt);
    EXPECT_EQ(read, FilledState());

    lines[8] = "  \r\n 123 and the rest is ignored";  // money after a blank line
    GameState spaced;
    ASSERT_EQ(ReadSaveGameText(Join(lines), spaced), std::nullopt);
    EXPECT_EQ(spaced.Money, 123u);
    EXPECT_EQ(spaced.Wins, 2'147'483'648u);
}

TEST(SaveGameText, OlderLayoutKeepsTheLaterValuesAsTheyWere) {
    const auto lines = Version1Lines("Tamsin");
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kSaveLinesV1));
    GameState s;
    s.Gift385Given = true;
    s.OwnedFlags[252] = true;
    s.OwnedFlags[1] = false;
    s.OwnedFlags[2] = true;
    ASSERT_EQ(ReadSaveGameText(Join(lines), s), std::nullopt);
    EXPECT_EQ(s.PlayerName, "Tamsin");
    EXPECT_TRUE(s.GrandFourChampionBeaten);
    EXPECT_TRUE(s.KellBeaten);
    EXPECT_FALSE(s.MeBeaten);
    EXPECT_TRUE(s.Gift385Given);
    EXPECT_FALSE(s.Gift386Given);
    EXPECT_EQ(s.BadgeCount, 12);
    EXPECT_EQ(s.Money, 999u);
    EXPECT_EQ(s.Wins, 1u);
    EXPECT_EQ(s.SuperPotions, 10u);
    EXPECT_TRUE(s.OwnedFlags[1]);
    EXPECT_FALSE(s.OwnedFlags[2]);
    EXPECT_TRUE(s.OwnedFlags[251]);
    EXPECT_TRUE(s.OwnedFlags[252]);  // untouched by the older file
    EXPECT_FALSE(s.OwnedFlags[253]);
    EXPECT_EQ(s.RosterSpecies[1], 25);
    EXPECT_EQ(s.RosterSpecies[2], 251);
    EXPECT_EQ(s.RosterLevel[2], 30);
    EXPECT_EQ(s.RosterExp[2], 27000u);
    EXPECT_EQ(s.RosterSpecies[3], 0);

    // Written back, it is a file of the current layout with the same values.
    const std::string again = SaveGameText(s);
    EXPECT_EQ(Lines(again).size(), static_cast<std::size_t>(kSaveLinesV2));
    EXPECT_EQ(Lines(again)[0], kSaveIdentifier);
    GameState reread;
    ASSERT_EQ(ReadSaveGameText(again, reread), std::nullopt);
    EXPECT_EQ(reread, s);
}

TEST(SaveGameText, IdentifierLineDecidesTheLayout) {
    // A current file whose player is named like the identifier.
    GameState named = FilledState();
    named.PlayerName = std::string(kSaveIdentifier);
    GameState read;
    ASSERT_EQ(ReadSaveGameText(SaveGameText(named), read), std::nullopt);
    EXPECT_EQ(read, named);

    // An older file of a player with that name is taken for a current one:
    // its first flag line becomes the name, and its registrations fall where
    // the current layout has numbers.
    GameState old;
    EXPECT_EQ(ReadSaveGameText(Join(Version1Lines(std::string(kSaveIdentifier))), old),
              FileError{"Invalid numeric input"});
    EXPECT_EQ(old.PlayerName, "TRUE");
    EXPECT_TRUE(old.GrandFourChampionBeaten);  // the line "TRUE"
    EXPECT_FALSE(old.KellBeaten);              // the line "FALSE"

    // Only the exact capitals count; anything else is an older file's name.
    for (const char* name : {"version2savefileidentifier", "VERSION2SAVEFILEIDENTIFIER ",
                             " VERSION2SAVEFILEIDENTIFIER"}) {
        GameState s;
        ASSERT_EQ(ReadSaveGameText(Join(Version1Lines(name)), s), std::nullopt) << name;
        EXPECT_EQ(s.PlayerName, name);
        EXPECT_EQ(s.BadgeCount, 12) << name;
    }
}

TEST(SaveGameText, FlagIsSetOnlyByTheWholeLineTrue) {
    auto lines = Lines(SaveGameText(GameState{}));
    const std::vector<std::pair<std::string, bool>> cases{
        {"TRUE", true}, {"True", false}, {"true", false}, {"TRUE ", false},
        {"", false},    {"1", false},    {" TRUE", false}};
    for (const auto& [line, expected] : cases) {
        lines[2] = line;   // GrandFourChampionBeaten
        lines[19] = line;  // species 1
        GameState s;
        ASSERT_EQ(ReadSaveGameText(Join(lines), s), std::nullopt);
        EXPECT_EQ(s.GrandFourChampionBeaten, expected) << '"' << line << '"';
        EXPECT_EQ(s.OwnedFlags[1], expected) << '"' << line << '"';
    }
}

TEST(SaveGameText, NumbersKeepTheirLowBits) {
    auto lines = Lines(SaveGameText(GameState{}));
    lines[7] = "260";         // badges: low 8 bits
    lines[8] = "4294967297";  // money: low 32 bits
    lines[9] = "-1";          // wins
    lines[405] = "25";
    lines[406] = "300";         // level
    lines[407] = "8589934594";  // experience
    GameState s;
    ASSERT_EQ(ReadSaveGameText(Join(lines), s), std::nullopt);
    EXPECT_EQ(s.BadgeCount, 4);
    EXPECT_EQ(s.Money, 1u);
    EXPECT_EQ(s.Wins, 4'294'967'295u);
    EXPECT_EQ(s.RosterLevel[1], 44);
    EXPECT_EQ(s.RosterExp[1], 2u);
}

TEST(SaveGameText, ShortFileReadsTheRestAsEmpty) {
    const auto full = Lines(SaveGameText(FilledState()));
    // Cut in the middle of slot 2.
    std::vector<std::string> cut(full.begin(), full.begin() + 405 + 4);
    GameState s = FilledState();
    s.RosterExp[2] = 77;
    ASSERT_EQ(ReadSaveGameText(Join(cut), s), std::nullopt);
    EXPECT_EQ(s.RosterSpecies[1], FilledState().RosterSpecies[1]);
    EXPECT_EQ(s.RosterSpecies[2], FilledState().RosterSpecies[2]);
    EXPECT_EQ(s.RosterLevel[2], 0);
    EXPECT_EQ(s.RosterExp[2], 0u);
    EXPECT_EQ(s.RosterSpecies[40], 0);

    // Where the file ended: its last line, or 0 when every value was there.
    int endedAt = -1;
    GameState again;
    ASSERT_EQ(ReadSaveGameText(Join(cut), again, &endedAt), std::nullopt);
    EXPECT_EQ(endedAt, 409);
    ASSERT_EQ(ReadSaveGameText(Join(cut, "\n") + "\n\n", again, &endedAt), std::nullopt);
    EXPECT_EQ(endedAt, 411) << "blank lines at the end count";
    const std::string whole = SaveGameText(FilledState());
    ASSERT_EQ(ReadSaveGameText(whole.substr(0, whole.size() - 2), again, &endedAt), std::nullopt);
    EXPECT_EQ(endedAt, 0);
    const auto v1 = Version1Lines("Old");
    ASSERT_EQ(ReadSaveGameText(Join({v1.begin(), v1.end() - 1}), again, &endedAt), std::nullopt);
    EXPECT_EQ(endedAt, kSaveLinesV1 - 1);

    GameState empty = FilledState();
    ASSERT_EQ(ReadSaveGameText("", empty), std::nullopt);
    EXPECT_EQ(empty.PlayerName, "");
    EXPECT_FALSE(empty.GrandFourChampionBeaten);
    EXPECT_EQ(empty.Money, 0u);
    EXPECT_TRUE(empty.Gift386Given);  // an older file's value: left alone
}

TEST(SaveGameText, RefusesTextAndSpeciesTheTablesDoNotHold) {
    auto lines = Lines(SaveGameText(GameState{}));
    auto money = lines;
    money[8] = "lots";
    GameState s;
    EXPECT_EQ(ReadSaveGameText(Join(money), s), FileError{"Invalid numeric input"});

    for (const char* species : {"387", "-1", "2147483647"}) {
        auto bad = lines;
        bad[405 + 6] = species;  // slot 3, file line 412
        GameState t;
        EXPECT_EQ(ReadSaveGameText(Join(bad), t), FileError{"Invalid species at line 412"})
            << species;
    }
    auto edge = lines;
    edge[405] = "386";
    GameState u;
    EXPECT_EQ(ReadSaveGameText(Join(edge), u), std::nullopt);
    EXPECT_EQ(u.RosterSpecies[1], 386);
}

TEST(SaveGameText, NameIsUtf8OrElseWindows1252) {
    auto lines = Lines(SaveGameText(GameState{}));
    lines[1] =
        "Ren\xC3\xA9"
        "e \xE2\x82\xAC";  // UTF-8 "Renée €"
    GameState utf8;
    ASSERT_EQ(ReadSaveGameText(Join(lines), utf8), std::nullopt);
    EXPECT_EQ(utf8.PlayerName, lines[1]);

    lines[1] =
        "Ren\xE9"
        "e \x80\x8D";  // the same in Windows-1252, and an undefined byte
    GameState legacy;
    ASSERT_EQ(ReadSaveGameText(Join(lines), legacy), std::nullopt);
    EXPECT_EQ(legacy.PlayerName,
              "Ren\xC3\xA9"
              "e \xE2\x82\xAC\xC2\x8D");
}

}  // namespace
}  // namespace zorikan::testing
