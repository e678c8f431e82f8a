// The save after every action: the file follows the game as the close would
// write it, and a write that fails is told once, as is the first that works
// again.

#include "core/saves/autosave.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/saves/closing_save.h"
#include "core/saves/save_game.h"
#include "game_fixture.h"
#include "temp_folder.h"

namespace zorikan::testing {
namespace {

class AutosaveTest : public GameTest {
protected:
    TempFolder folder;
    SaveWriter writer;
    Autosave autosave{writer};

    // An action ends: the session's redraw hands the game over; the test
    // waits for the writer as a player's next action would find it done.
    void actionEnds() {
        autosave.afterAction(game);
        writer.wait();
    }
    std::string closeSave() const { return SaveGameText(*StateAtClose(game)); }
    std::vector<Shown> boxes() const {
        std::vector<Shown> found;
        for (const Shown& s : port.shown)
            if (s.kind != Shown::Log) found.push_back(s);
        return found;
    }
};

TEST_F(AutosaveTest, TheFileIsAlwaysWhatTheCloseWouldWrite) {
    const std::string path = folder.file("game.zgs");
    game.screens.main.saveFileName = path;
    game.phase = GamePhase::ChoosingStarter;
    actionEnds();
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing is written before the starter";

    startPlaying({{25, 10}});
    actionEnds();
    EXPECT_EQ(ReadBytes(path), closeSave());

    game.state.Money += 500;
    actionEnds();
    EXPECT_EQ(ReadBytes(path), closeSave());

    // A tournament match under way: the file pays the quit penalty, the game
    // in play keeps its match.
    game.battle.InTournament = true;
    game.battle.ActiveSlot = 1;
    game.screens.main.arena.goVisible = true;
    actionEnds();
    GameState written;
    ASSERT_EQ(ReadSaveGameFile(path, written), std::nullopt);
    EXPECT_EQ(written.RosterExp[1], 950u);
    EXPECT_EQ(game.state.RosterExp[1], 1000u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(AutosaveTest, AFailedWriteIsToldOnceAndSoIsTheFirstThatWorksAgain) {
    startPlaying({{25, 10}});
    const std::string path = folder.file("game.zgs");
    game.screens.main.saveFileName = path;
    actionEnds();
    const std::string before = ReadBytes(path);

    // A folder takes the file's place: nothing can be written there.
    std::filesystem::rename(path, path + ".kept");
    std::filesystem::create_directory(path);
    for (std::uint32_t action = 1; action <= 3; ++action) {
        game.state.Money = action;
        actionEnds();
    }
    autosave.tellPlayer(game);
    ASSERT_EQ(boxes().size(), 1u) << "told once, not at every action";
    EXPECT_EQ(
        boxes()[0],
        (Shown{Shown::Warning, Autosave::FailedText(path, FileError{Text(text::kAccessDenied)})}));

    std::filesystem::remove(path);
    std::filesystem::rename(path + ".kept", path);
    EXPECT_EQ(ReadBytes(path), before);
    // The next action tries again, although the game is as it was.
    actionEnds();
    autosave.tellPlayer(game);
    EXPECT_EQ(ReadBytes(path), closeSave());
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1], (Shown{Shown::Information, Autosave::WorksAgainText(path)}));
    game.state.Money = 99;
    actionEnds();
    autosave.tellPlayer(game);
    EXPECT_EQ(boxes().size(), 2u);
}

}  // namespace
}  // namespace zorikan::testing
