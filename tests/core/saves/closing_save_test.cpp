// The save at close and the choice of a save file: what the player is
// asked when a save fails, and the dialog that refuses a file the game can
// never be written to.

#include "core/saves/closing_save.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <deque>
#include <functional>

#include "core/collection/game_corner.h"
#include "core/saves/save_game.h"
#include "game_fixture.h"
#include "posix_only.h"
#include "temp_folder.h"

namespace zorikan::testing {
namespace {

class ClosingSaveTest : public GameTest {
protected:
    TempFolder folder;
    std::vector<std::string> suggestions;  // where each dialog opened
    std::deque<std::string> picks;         // what the player picks in each

    SaveDialog dialog() {
        return [this](const std::string& suggestion) {
            suggestions.push_back(suggestion);
            if (picks.empty()) {
                ADD_FAILURE() << "unexpected save dialog";
                return std::string();
            }
            std::string pick = picks.front();
            picks.pop_front();
            return pick;
        };
    }
    // A game in play whose file cannot be written: a folder stands there.
    void playWithAnUnwritableFile() {
        startPlaying({{25, 30}});
        game.state.PlayerName = "Wynn";
        game.screens.main.saveFileName = folder.file("blocked.zgs");
        std::filesystem::create_directory(game.screens.main.saveFileName);
    }
    long Entries() const {
        return std::distance(std::filesystem::directory_iterator(folder.path()), {});
    }
    std::vector<Shown> asked() const {
        std::vector<Shown> boxes;
        for (const Shown& s : port.shown)
            if (s.kind == Shown::Error || s.kind == Shown::Question) boxes.push_back(s);
        return boxes;
    }
};

TEST_F(ClosingSaveTest, CloseWritesNothingBeforeTheStarterIsChosen) {
    const std::string path = folder.file("new.zgs");
    game.screens.main.saveFileName = path;
    for (GamePhase before : {GamePhase::NoGame, GamePhase::ChoosingStarter}) {
        game.phase = before;
        EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::Close);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    game.phase = GamePhase::InPlay;
    EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::Close);
    EXPECT_EQ(ReadBytes(path), SaveGameText(game.state));
    EXPECT_TRUE(port.shown.empty());
}

TEST_F(ClosingSaveTest, AFailedSaveOffersAnotherFileThatTheGameThenBelongsTo) {
    playWithAnUnwritableFile();
    const std::string other = folder.file("elsewhere.zgs");
    picks = {other};
    port.answers = {true};
    EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::Close);
    EXPECT_EQ(asked(), (std::vector<Shown>{
                           {Shown::Error, "File access denied."},
                           {Shown::Question,
                            "The game was not saved to blocked.zgs.\nSave it to another file?"}}));
    EXPECT_EQ(suggestions, std::vector<std::string>{folder.file("blocked.zgs")});
    EXPECT_EQ(ReadBytes(other), SaveGameText(game.state));
    EXPECT_EQ(game.screens.main.saveFileName, other);
    EXPECT_EQ(game.screens.main.caption, "ZORIKAN Simulator V4.1 - Wynn [elsewhere.zgs]");
}

TEST_F(ClosingSaveTest, QuittingWithoutSavingIsAskedOnceMore) {
    playWithAnUnwritableFile();
    port.answers = {false, true};
    EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::Close);
    ASSERT_EQ(port.boxes(Shown::Question).size(), 2u);
    EXPECT_EQ(port.boxes(Shown::Question)[1],
              "Quit without saving?\nAll progress since the game was started or loaded will be "
              "lost.");
    EXPECT_EQ(Entries(), 1) << "nothing was written";

    // No to both: the player stays in the game, and may close again.
    port.clear();
    port.answers = {false, false};
    EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::StayOpen);
    EXPECT_EQ(port.boxes(Shown::Error), std::vector<std::string>{"File access denied."});
    EXPECT_TRUE(suggestions.empty());
}

TEST_F(ClosingSaveTest, CancellingTheDialogStaysInTheGame) {
    playWithAnUnwritableFile();
    picks = {""};
    port.answers = {true};
    EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::StayOpen);
    EXPECT_EQ(game.screens.main.saveFileName, folder.file("blocked.zgs"));
    EXPECT_EQ(port.boxes(Shown::Question).size(), 1u);
}

TEST_F(ClosingSaveTest, AnotherFileThatCannotBeWrittenIsRefusedAndAskedAgain) {
    playWithAnUnwritableFile();
    const std::string nowhere = folder.file("gone/game.zgs");
    const std::string good = folder.file("good.zgs");
    picks = {nowhere, good};
    port.answers = {true};
    EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::Close);
    EXPECT_EQ(port.boxes(Shown::Error),
              (std::vector<std::string>{"File access denied.",
                                        "The game cannot be saved to " + nowhere +
                                            ".\nFolder not found.\nPlease choose another file."}));
    // The dialog opens again where the refused file was.
    EXPECT_EQ(suggestions, (std::vector<std::string>{folder.file("blocked.zgs"), nowhere}));
    EXPECT_EQ(ReadBytes(good), SaveGameText(game.state));
}

#ifdef _WIN32
ZORIKAN_SKIPPED_WITHOUT_POSIX(ClosingSaveTest, AFileWhoseWriteFailsAfterItsCheckIsTheOneNamedNext)
#else
// While it lives, no file grows past `bytes`: a write beyond fails as on a
// full disk, while the check's empty probe still passes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        signalBefore_ = signal(SIGXFSZ, SIG_IGN);
        rlimit lower = before_;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        signal(SIGXFSZ, signalBefore_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    decltype(SIG_DFL) signalBefore_ = SIG_DFL;
};

TEST_F(ClosingSaveTest, AFileWhoseWriteFailsAfterItsCheckIsTheOneNamedNext) {
    // The other file passes its check, then runs out of room as it is written.
    playWithAnUnwritableFile();
    const std::string full = folder.file("full.zgs");
    picks = {full, ""};
    port.answers = {true, true};
    {
        const FileSizeLimit diskFillsUp(64);
        EXPECT_EQ(SaveAtClose(game, dialog()), AfterClose::StayOpen);
    }
    EXPECT_EQ(
        asked(),
        (std::vector<Shown>{
            {Shown::Error, "File access denied."},
            {Shown::Question, "The game was not saved to blocked.zgs.\nSave it to another file?"},
            {Shown::Error, "Disk full."},
            {Shown::Question, "The game was not saved to full.zgs.\nSave it to another file?"}}));
    // The dialog opens again at the file that just failed.
    EXPECT_EQ(suggestions, (std::vector<std::string>{folder.file("blocked.zgs"), full}));
    EXPECT_FALSE(std::filesystem::exists(full));
    EXPECT_EQ(game.screens.main.saveFileName, folder.file("blocked.zgs"));
}
#endif  // _WIN32

#ifdef _WIN32
ZORIKAN_SKIPPED_WITHOUT_POSIX(ClosingSaveTest, ANewGameNeverGetsAFileItCannotWrite)
#else
TEST_F(ClosingSaveTest, ANewGameNeverGetsAFileItCannotWrite) {
    const std::string good = folder.file("mine.zgs");
    picks = {"/proc/mine.zgs", folder.path().string(), good};
    EXPECT_EQ(ChooseSaveFile(game, dialog()), good);
    EXPECT_EQ(port.boxes(Shown::Error),
              (std::vector<std::string>{
                  "The game cannot be saved to /proc/mine.zgs.\nFile access denied.\nPlease "
                  "choose another file.",
                  "The game cannot be saved to " + folder.path().string() +
                      ".\nFile access denied.\nPlease choose another file."}));
    EXPECT_FALSE(std::filesystem::exists(good)) << "checking leaves no file behind";

    // Cancelled: nothing chosen and nothing said.
    port.clear();
    picks = {""};
    EXPECT_EQ(ChooseSaveFile(game, dialog()), "");
    EXPECT_TRUE(port.shown.empty());
}
#endif  // _WIN32

TEST_F(ClosingSaveTest, LeavingUnattendedWritesTheGameAsTheCloseWouldAndAsksNothing) {
    // A tournament match under way: the file pays the quit penalty, the game
    // in play (a desktop session that goes on) keeps its match.
    startPlaying({{25, 10}});
    const std::string path = folder.file("left.zgs");
    game.screens.main.saveFileName = path;
    game.battle.InTournament = true;
    game.battle.ActiveSlot = 1;
    game.screens.main.arena.goVisible = true;
    ASSERT_EQ(SaveOnLeaving(game), std::nullopt);
    GameState written;
    ASSERT_EQ(ReadSaveGameFile(path, written), std::nullopt);
    EXPECT_EQ(written.RosterExp[1], 950u);
    EXPECT_EQ(written.RosterLevel[1], 9);
    EXPECT_EQ(game.state.RosterExp[1], 1000u);
    EXPECT_TRUE(game.battle.InTournament);
    EXPECT_TRUE(port.shown.empty()) << "no box, and the penalty's lines stay unseen";

    // A winning Game Corner game on show is paid in the file, as the close
    // waits for its reveal.
    game.battle.InTournament = false;
    game.state.Money = 1000;
    GameCornerModel& corner = game.screens.gameCorner;
    corner.bet = 100;
    corner.prizeKind = 0;
    corner.pickedNumber = 7;
    random.draws.assign(static_cast<std::size_t>(kDrawsPerGame), 7);
    ASSERT_TRUE(StartDraw(game));
    ASSERT_EQ(SaveOnLeaving(game), std::nullopt);
    ASSERT_EQ(ReadSaveGameFile(path, written), std::nullopt);
    EXPECT_EQ(written.Money, 900u + 1000u);
    EXPECT_EQ(game.state.Money, 900u) << "the game in play still waits for its reveal";
    EXPECT_TRUE(port.shown.empty());

    // A write that fails is returned, shown to no one, and the file stays.
    playWithAnUnwritableFile();
    const auto error = SaveOnLeaving(game);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message(), "File access denied.");
    EXPECT_TRUE(port.shown.empty());
    EXPECT_TRUE(std::filesystem::is_directory(game.screens.main.saveFileName));
}

TEST_F(ClosingSaveTest, LeavingWritesWhatEveryPartOfTheModelHolds) {
    // The save on leaving plays the close on a copy of the game: a part of the
    // model the copy missed would be written as a new game has it. (The
    // tournament's draw never reaches the file.)
    struct Row {
        const char* part;
        std::function<void(GameModel&)> change;
        std::function<bool(const GameState&)> written;
    };
    const std::vector<Row> rows = {
        {"the game state", [](GameModel& m) { m.state.Catches = 77; },
         [](const GameState& w) { return w.Catches == 77; }},
        {"the battle variables",  // a tournament match: the file pays the quit penalty
         [](GameModel& m) {
             m.battle.InTournament = true;
             m.battle.ActiveSlot = 1;
         },
         [](const GameState& w) { return w.RosterExp[1] == 950u; }},
        {"the screens",
         [this](GameModel& m) { m.screens.main.saveFileName = folder.file("moved.zgs"); },
         [](const GameState& w) { return w.RosterSpecies[1] == 25; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.part);
        startPlaying({{25, 10}});
        game.screens.main.saveFileName = folder.file("left.zgs");
        game.screens.main.arena.goVisible = true;
        row.change(game.model());
        ASSERT_EQ(SaveOnLeaving(game), std::nullopt);
        GameState written;
        ASSERT_EQ(ReadSaveGameFile(game.screens.main.saveFileName, written), std::nullopt);
        EXPECT_TRUE(row.written(written));
        std::filesystem::remove(game.screens.main.saveFileName);
    }
}

TEST_F(ClosingSaveTest, LeavingBeforeTheStarterWritesNothing) {
    const std::string path = folder.file("new.zgs");
    game.screens.main.saveFileName = path;
    // The name dialog of a new game: a file, but no creature yet.
    game.phase = GamePhase::ChoosingStarter;
    EXPECT_EQ(SaveOnLeaving(game), std::nullopt);
    // Nor is a creature in slot 1 a game in play before the starter is chosen.
    game.state.RosterSpecies[1] = 4;
    EXPECT_EQ(SaveOnLeaving(game), std::nullopt);
    game.phase = GamePhase::NoGame;
    EXPECT_EQ(SaveOnLeaving(game), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace zorikan::testing
