// One copy of the game per saved game: a second lock on the same file, by
// whatever name, is refused; a lock file left behind without its holder
// blocks nothing; a released lock leaves nothing beside the game.

#include "core/data/saved_game_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace zorikan::testing {
namespace {

TEST(SavedGameLock, OneHolderPerSavedGameAndNothingLeftBehind) {
    TempFolder folder;
    const std::string path = folder.file("game.zgs");
    WriteBytes(path, "saved");
    const std::string beside = LockNameFor(path);
    EXPECT_EQ(std::filesystem::path(beside).parent_path(),
              std::filesystem::path(path).parent_path());

    SavedGameLock first, second;
    ASSERT_TRUE(first.take(path));
    EXPECT_TRUE(first.covers(path));
    EXPECT_FALSE(second.take(path));
    // The same file by another name is the same saved game.
    const std::string otherName =
        (std::filesystem::path(folder.path()) / "." / "game.zgs").string();
    EXPECT_FALSE(second.take(otherName));
    EXPECT_TRUE(first.covers(otherName));
    // Another file, even one not written yet, is free.
    EXPECT_TRUE(second.take(folder.file("new.zgs")));
    EXPECT_FALSE(first.take(folder.file("new.zgs")));

    // A moved lock keeps holding; the one moved from holds nothing.
    ASSERT_TRUE(first.take(path));
    SavedGameLock moved = std::move(first);
    EXPECT_FALSE(second.take(path));
    moved.release();
    second.release();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "only the saved game stays";

    // A lock file whose holder is gone (a crash) blocks nothing.
    WriteBytes(beside, "");
    ASSERT_TRUE(second.take(path));
    second.release();
    EXPECT_FALSE(std::filesystem::exists(beside));
}

}  // namespace
}  // namespace zorikan::testing
