// Saving at close and loading into play: files on disk, the failure paths,
// and what the windows and menus show after a load.

#include "core/saves/save_load.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "core/data/atomic_file.h"
#include "core/saves/save_game.h"
#include "game_fixture.h"
#include "posix_only.h"
#include "temp_folder.h"

namespace zorikan::testing {
namespace {

class SaveLoadTest : public GameTest {
protected:
    TempFolder folder;

    // A saved game of three creatures, an empty slot 4 and one more in slot 5.
    std::string writeSavedGame(const std::string& name, std::uint8_t badges, bool champion) {
        GameState s;
        s.PlayerName = "Oriel";
        s.BadgeCount = badges;
        s.GrandFourChampionBeaten = champion;
        s.Money = 3'000'000'000u;
        s.Wins = 2;
        s.Losses = 1;
        for (int slot : {1, 2, 3, 5}) {
            s.RosterSpecies[slot] = 10 + slot;
            s.RosterLevel[slot] = 20;
            s.RosterExp[slot] = 8000;
            s.OwnedFlags[10 + slot] = true;
        }
        const std::string path = folder.file(name);
        EXPECT_EQ(WriteSaveGameFile(s, path), std::nullopt);
        return path;
    }

    bool visible(Window w) const { return game.isVisible(w); }
};

TEST_F(SaveLoadTest, LoadBringsTheGameIntoPlay) {
    game.setVisible(Window::Title, true);
    const std::string path = writeSavedGame("oriel.zgs", 0, false);
    ASSERT_TRUE(LoadGame(game, path));

    EXPECT_EQ(game.state.PlayerName, "Oriel");
    EXPECT_EQ(game.state.Money, 3'000'000'000u);
    EXPECT_EQ(game.state.MinLevel, 2);
    EXPECT_EQ(game.state.MaxLevel, 100);
    EXPECT_EQ(game.state.RosterSpecies[5], 15);  // kept, though not listed
    const auto& list = game.screens.statistics.rosterList;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2], (RosterListItem{game.data.SpeciesNames[13], 12}));
    EXPECT_EQ(game.screens.statistics.playerName, "Oriel");
    EXPECT_EQ(game.screens.statistics.money, "3000000000");
    EXPECT_EQ(game.screens.statistics.percent, "66.66");
    EXPECT_EQ(game.screens.main.caption, "ZORIKAN Simulator V4.1 - Oriel [oriel.zgs]");
    EXPECT_EQ(game.screens.main.saveFileName, path);
    EXPECT_TRUE(visible(Window::Statistics));
    EXPECT_TRUE(visible(Window::Main));
    EXPECT_FALSE(visible(Window::Title));
    EXPECT_TRUE(port.boxes(Shown::Error).empty());
}

TEST_F(SaveLoadTest, FailedLoadChangesNothing) {
    game.setVisible(Window::Title, true);
    game.state.PlayerName = "before";
    game.state.Money = 42;
    game.screens.main.saveFileName = "/somewhere/new.zgs";
    const Screens screensBefore = game.screens;
    const GameState stateBefore = game.state;

    const std::string path = writeSavedGame("bad.zgs", 3, false);
    std::string text = ReadBytes(path);
    text.replace(text.find("\r\n3000000000\r\n"), 14, "\r\nplenty\r\n");
    WriteBytes(path, text);

    for (const std::string& file : {path, folder.file("missing.zgs")}) {
        port.clear();
        EXPECT_FALSE(LoadGame(game, file));
        EXPECT_EQ(game.state, stateBefore);
        EXPECT_EQ(game.screens.main.saveFileName, "/somewhere/new.zgs");
        EXPECT_EQ(game.screens.statistics.rosterList, screensBefore.statistics.rosterList);
        EXPECT_EQ(game.screens.main.caption, screensBefore.main.caption);
        EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Nerissa1));
        EXPECT_TRUE(visible(Window::Title));
        EXPECT_FALSE(visible(Window::Main));
    }
    EXPECT_EQ(port.boxes(Shown::Error), std::vector<std::string>{"File not found."});
}

TEST_F(SaveLoadTest, LoadReportsTheInvalidNumberAndSpecies) {
    const std::string path = writeSavedGame("odd.zgs", 0, false);
    std::string text = ReadBytes(path);
    const auto slot3 = text.find("\r\n13\r\n20\r\n");
    text.replace(slot3, 6, "\r\n999\r\n");
    WriteBytes(path, text);
    EXPECT_FALSE(LoadGame(game, path));
    EXPECT_EQ(port.boxes(Shown::Error), std::vector<std::string>{"Invalid species at line 412."});
    EXPECT_EQ(game.state.PlayerName, "");
}

TEST_F(SaveLoadTest, AFileWithoutACreatureIsRefusedAndChangesNothing) {
    game.setVisible(Window::Title, true);
    game.state.PlayerName = "before";
    game.screens.main.saveFileName = "/somewhere/new.zgs";
    const GameState stateBefore = game.state;
    const Screens screensBefore = game.screens;

    // An empty file, a text file of another kind whose lines happen to read
    // as values, and a saved game cut off before its first creature.
    const std::string full = ReadBytes(writeSavedGame("whole.zgs", 2, false));
    std::size_t header = 0;
    for (int line = 0; line < 405; ++line) header = full.find('\n', header) + 1;
    const std::vector<std::pair<std::string, std::string>> files{
        {"empty.zgs", ""},
        {"notes.zgs", "Shopping list\n2 apples\n3 pears\n\n"},
        {"header.zgs", full.substr(0, header)}};
    for (const auto& [name, content] : files) {
        WriteBytes(folder.file(name), content);
        port.clear();
        EXPECT_FALSE(LoadGame(game, folder.file(name))) << name;
        EXPECT_EQ(
            port.boxes(Shown::Error),
            std::vector<std::string>{name + " holds no ZORIKAN. It is not a saved game, or it "
                                            "was cut off."});
        EXPECT_EQ(game.state, stateBefore) << name;
        EXPECT_EQ(game.screens.main.saveFileName, "/somewhere/new.zgs");
        EXPECT_EQ(game.screens.main.caption, screensBefore.main.caption);
        EXPECT_EQ(game.screens.statistics.rosterList, screensBefore.statistics.rosterList);
        EXPECT_TRUE(visible(Window::Title));
        EXPECT_FALSE(visible(Window::Main));
    }
}

TEST_F(SaveLoadTest, AFileCutOffAfterItsFirstCreatureLoadsAndSaysWhereItEnded) {
    const std::string full = ReadBytes(writeSavedGame("whole.zgs", 2, false));
    // 405 lines before the roster, then slots 1 and 2: 411 lines.
    std::size_t cut = 0;
    for (int line = 0; line < 411; ++line) cut = full.find('\n', cut) + 1;
    const std::string path = folder.file("cut.zgs");
    WriteBytes(path, full.substr(0, cut));
    ASSERT_TRUE(LoadGame(game, path));
    EXPECT_EQ(port.boxes(Shown::Warning),
              std::vector<std::string>{
                  "The saved game ended early, at line 411.\nWhat was missing starts empty."});
    EXPECT_EQ(game.screens.statistics.rosterList.size(), 2u);
    EXPECT_EQ(game.state.RosterSpecies[3], 0);
    EXPECT_TRUE(visible(Window::Main));
    // The box comes once the game is on screen.
    EXPECT_EQ(port.shown.back().kind, Shown::Warning);

    // A whole file, with or without the last line's end, says nothing.
    Game whole{game.data, port, random};
    port.clear();
    WriteBytes(path, full.substr(0, full.size() - 2));
    ASSERT_TRUE(LoadGame(whole, path));
    EXPECT_TRUE(port.boxes(Shown::Warning).empty());
}

TEST_F(SaveLoadTest, MenusAfterLoadFollowBadgesAndVictories) {
    // Nine badges with the Highland champion beaten: Brennar opens with Nils.
    ASSERT_TRUE(LoadGame(game, writeSavedGame("nine.zgs", 9, true)));
    const MenuModel& menus = game.screens.menus;
    EXPECT_TRUE(menus.isEnabled(MenuItem::Nils1));
    EXPECT_TRUE(menus.isEnabled(MenuItem::BrennarGymLeaders1));
    EXPECT_TRUE(menus.isEnabled(MenuItem::GrandFour1));
    EXPECT_FALSE(menus.isEnabled(MenuItem::Posy1));

    // Without the champion, Nils is open inside a submenu that stays shut.
    Game other{game.data, port, random};
    ASSERT_TRUE(LoadGame(other, writeSavedGame("nine-b.zgs", 9, false)));
    EXPECT_TRUE(other.screens.menus.isEnabled(MenuItem::Nils1));
    EXPECT_FALSE(other.screens.menus.isEnabled(MenuItem::BrennarGymLeaders1));
}

TEST_F(SaveLoadTest, KellBeatenAloneOpensMeAndNothingOfWhatMeOpens) {
    // Each flag on its own, through a real file, so that neither the reader
    // nor the menus can mix the two up.
    for (const bool kell : {true, false}) {
        GameState s;
        s.PlayerName = "Quill";
        s.RosterSpecies[1] = 9;
        s.KellBeaten = kell;
        s.MeBeaten = !kell;
        const std::string path = folder.file(kell ? "kell.zgs" : "me.zgs");
        ASSERT_EQ(WriteSaveGameFile(s, path), std::nullopt);
        Game loaded{game.data, port, random};
        ASSERT_TRUE(LoadGame(loaded, path));
        const MenuModel& menus = loaded.screens.menus;
        EXPECT_EQ(menus.isEnabled(MenuItem::Me1), kell);
        EXPECT_EQ(menus.isEnabled(MenuItem::Omnivar1), !kell);
        EXPECT_EQ(menus.isEnabled(MenuItem::CyrelleGymLeaders1), !kell);
        EXPECT_FALSE(menus.isEnabled(MenuItem::Kell1)) << "no badges";
    }
}

TEST_F(SaveLoadTest, SaveReplacesTheOldFileWhole) {
    const std::string path = folder.file("game.zgs");
    WriteBytes(path, std::string(200'000, 'x'));  // longer than any saved game
    startPlaying({{25, 30}});
    game.state.PlayerName = "Corvin";
    game.screens.main.saveFileName = path;
    ASSERT_TRUE(Save(game));
    EXPECT_EQ(ReadBytes(path), SaveGameText(game.state));
    // Only the saved game is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(SaveLoadTest, AGameInAFolderNamedInAnyScriptSavesAndLoads) {
    const std::string named = folder.file("Spielstände Ørsted 冒険");
    std::filesystem::create_directory(PathFromUtf8(named));
    const std::string path = named + "/Pässe ζ.zgs";
    startPlaying({{25, 30}});
    game.state.PlayerName = "Corvin";
    game.screens.main.saveFileName = path;
    ASSERT_TRUE(Save(game));
    EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(path)));
    EXPECT_EQ(CheckFileWritable(path), std::nullopt);

    game.state.PlayerName = "Someone else";
    ASSERT_TRUE(LoadGame(game, path));
    EXPECT_EQ(game.state.PlayerName, "Corvin");
    EXPECT_EQ(ReadBytes(path), SaveGameText(game.state));
}

TEST_F(SaveLoadTest, FailedSaveShowsTheErrorAndKeepsNoHalfFile) {
    // The folder part of the name is a file, so nothing can be created there.
    const std::string blocker = folder.file("plain");
    WriteBytes(blocker, "not a folder");
    game.screens.main.saveFileName = blocker + "/game.zgs";
    EXPECT_FALSE(Save(game));
    EXPECT_EQ(port.boxes(Shown::Error), std::vector<std::string>{"File not found."});

    // A folder where the file should be is refused, and left as it is.
    const std::string folderInTheWay = folder.file("taken.zgs");
    std::filesystem::create_directory(folderInTheWay);
    EXPECT_EQ(WriteFileAtomically(folderInTheWay, "data"), FileError{"File access denied"});
    EXPECT_TRUE(std::filesystem::is_directory(folderInTheWay));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

#ifdef _WIN32
ZORIKAN_SKIPPED_WITHOUT_POSIX(SaveLoadTest, WriteThatFailsPartWayLeavesTheOldFileIntact)
#else
TEST_F(SaveLoadTest, WriteThatFailsPartWayLeavesTheOldFileIntact) {
    const std::string path = folder.file("precious.zgs");
    const std::string old = SaveGameText(GameState{});
    WriteBytes(path, old);
    GameState bigger;
    bigger.PlayerName = "Halvric";
    for (int slot = 1; slot <= kRosterSlots; ++slot) {
        bigger.RosterSpecies[slot] = 386;
        bigger.RosterExp[slot] = 4'000'000'000u;
    }

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file size limit cuts the write off once the old size is passed.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = old.size() + 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto error = WriteSaveGameFile(bigger, path);
        _exit(error && error->text == "Disk full" ? 0 : error ? 2 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write did not fail; 2: another error";
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}
#endif  // _WIN32

TEST(FileErrorFromErrno, UsesThePlayersTexts) {
    EXPECT_EQ(FileErrorFromErrno(ENOSPC).message(), "Disk full.");
    EXPECT_EQ(FileErrorFromErrno(EACCES).message(), "File access denied.");
    EXPECT_EQ(FileErrorFromErrno(EIO).message(), "I/O error 5.");
}

}  // namespace
}  // namespace zorikan::testing
