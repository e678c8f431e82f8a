// Which saved game the command line names.

#include "core/saves/command_line.h"

#include <gtest/gtest.h>

#include <set>

namespace zorikan::testing {
namespace {

TEST(SavedGameToLoad, LastExistingFileWins) {
    const std::set<std::string> files{"a.zgs", "b.zgs"};
    const auto exists = [&](const std::string& p) { return files.count(p) > 0; };
    EXPECT_EQ(SavedGameToLoad({"a.zgs", "b.zgs"}, exists), "b.zgs");
    EXPECT_EQ(SavedGameToLoad({"a.zgs", "nope.zgs"}, exists), "a.zgs");
    EXPECT_EQ(SavedGameToLoad({"b.zgs", "-x", "a.zgs", "gone"}, exists), "a.zgs");
    EXPECT_EQ(SavedGameToLoad({"nope.zgs"}, exists), std::nullopt);
    EXPECT_EQ(SavedGameToLoad({}, exists), std::nullopt);
}

}  // namespace
}  // namespace zorikan::testing
