// The data file is looked for beside the executable first, then in the
// installed game's data folder.

#include "core/data/data_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace zorikan {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(DataLocation, PrefersTheFileBesideTheExecutable) {
    TempFolder beside, installed;
    WriteBytes(beside.file(kDataFileName), "1\n");
    WriteBytes(installed.file(kDataFileName), "1\n");
    EXPECT_EQ(FindDataFolder(beside.path().string(), installed.path().string()),
              beside.path().string());
}

TEST(DataLocation, FallsBackToTheInstalledFolder) {
    TempFolder beside, installed;
    WriteBytes(installed.file(kDataFileName), "1\n");
    EXPECT_EQ(FindDataFolder(beside.path().string(), installed.path().string()),
              installed.path().string());
}

TEST(DataLocation, NamesTheExecutablesFolderWhenNeitherHoldsTheFile) {
    TempFolder beside, installed;
    EXPECT_EQ(FindDataFolder(beside.path().string(), installed.path().string()),
              beside.path().string());
    EXPECT_EQ(FindDataFolder(beside.path().string(), ""), beside.path().string());
}

}  // namespace
}  // namespace zorikan
