// A saved game survives the program being killed at any moment of a save:
// afterwards the file holds either the game as it was or the game as it was
// being saved, whole, never a mixture or a cut-off file.

#include "posix_only.h"

#ifdef _WIN32
ZORIKAN_SKIPPED_WITHOUT_POSIX(SaveUnderKill, OnThisSystem)
#else

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "core/saves/save_game.h"
#include "core/saves/save_writer.h"
#include "temp_folder.h"

namespace zorikan {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

GameState GameWithRoster(const std::string& name, std::uint32_t money, int creatures) {
    GameState state;
    state.PlayerName = name;
    state.Money = money;
    for (int slot = 1; slot <= creatures; ++slot) {
        state.RosterSpecies[slot] = 1 + slot % kSpeciesCount;
        state.RosterLevel[slot] = static_cast<std::uint8_t>(2 + slot % 99);
        state.RosterExp[slot] = static_cast<std::uint32_t>(slot) * 37u;
    }
    return state;
}

// Kills a child that saves `before` and `after` in turn with `save` (which
// returns once the game is on disk), and finds the file whole every time.
// `startUp` is how long the child may take before its first save begins.
void KillWhileSaving(const std::function<void(const GameState&, const std::string&)>& save,
                     std::chrono::microseconds startUp = {}) {
    TempFolder folder;
    const std::string path = folder.file("game.zgs");
    const GameState before = GameWithRoster("Before", 100, 3);
    const GameState after = GameWithRoster("After", 987654, 9000);
    const std::string beforeText = SaveGameText(before);
    const std::string afterText = SaveGameText(after);

    // Kills land anywhere from before the first write to a few saves later.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_FALSE(WriteSaveGameFile(before, path));
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::mt19937 draws(20261208);
    std::uniform_int_distribution<long> delay(0, 4 * oneSave.count() + 200 + startUp.count());

    int oldWhole = 0, newWhole = 0;
    for (int round = 0; round < 120; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the two games in turn until it is killed.
            for (int turn = 0;; ++turn) save(turn % 2 == 0 ? after : before, path);
        }
        // Every tenth kill lands at once, before the first save can finish,
        // however slowly a loaded machine runs the child.
        if (round % 10 != 0) std::this_thread::sleep_for(std::chrono::microseconds(delay(draws)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string found = ReadBytes(path);
        if (found == beforeText) {
            ++oldWhole;
        } else if (found == afterText) {
            ++newWhole;
        } else {
            FAIL() << "round " << round << ": the saved game is neither game whole ("
                   << found.size() << " bytes)";
        }
    }
    // The kills fell both before and after saves had finished.
    EXPECT_GT(oldWhole, 0);
    EXPECT_GT(newWhole, 0);
}

TEST(SaveUnderKill, TheFileIsAlwaysTheOldGameOrTheNewOneWhole) {
    KillWhileSaving(
        [](const GameState& state, const std::string& path) { WriteSaveGameFile(state, path); });
}

TEST(SaveUnderKill, AlsoWhenTheSaveAfterAnActionWritesIt) {
    // The writer's own thread writes; the child hands each game over and
    // waits. The writer is made in the child, where its thread runs.
    std::unique_ptr<SaveWriter> writer;
    KillWhileSaving(
        [&writer](const GameState& state, const std::string& path) {
            if (!writer) writer = std::make_unique<SaveWriter>();
            writer->write(path, state);
            writer->wait();
        },
        std::chrono::milliseconds(20));
}

}  // namespace
}  // namespace zorikan

#endif  // _WIN32
