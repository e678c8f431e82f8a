// Saving on Windows: the old file is replaced whole by ReplaceFileW and keeps
// its attributes, a file marked read-only is refused and kept, and a failed
// save leaves no temporary file.

#include <windows.h>

#include <gtest/gtest.h>

#include "core/data/atomic_file.h"
#include "core/data/text_file.h"
#include "temp_folder.h"

namespace zorikan::testing {
namespace {

DWORD Attributes(const std::string& path) {
    return ::GetFileAttributesW(PathFromUtf8(path).c_str());
}

void Mark(const std::string& path, DWORD attributes) {
    ASSERT_TRUE(::SetFileAttributesW(PathFromUtf8(path).c_str(), attributes)) << path;
}

long Entries(const TempFolder& folder) {
    return std::distance(std::filesystem::directory_iterator(folder.path()), {});
}

TEST(WindowsSave, AReadOnlyGameIsRefusedAndKept) {
    TempFolder folder;
    const std::string path = folder.file("kept.zgs");
    WriteBytes(path, "old game");
    Mark(path, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(WriteFileAtomically(path, "new game"), FileError{"File access denied"});
    EXPECT_EQ(CheckFileWritable(path), FileError{"File access denied"});
    Mark(path, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path), "old game");
    EXPECT_EQ(Entries(folder), 1) << "no temporary file is left";
}

TEST(WindowsSave, TheReplacedGameKeepsItsHiddenMark) {
    TempFolder folder;
    const std::string path = folder.file("hidden.zgs");
    WriteBytes(path, std::string(100'000, 'x'));
    Mark(path, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(WriteFileAtomically(path, "new game"), std::nullopt);
    EXPECT_EQ(ReadBytes(path), "new game");
    EXPECT_TRUE(Attributes(path) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Entries(folder), 1);
}

TEST(WindowsSave, ANewGameAndAFolderInTheWay) {
    TempFolder folder;
    const std::string path = folder.file("first.zgs");
    EXPECT_EQ(CheckFileWritable(path), std::nullopt);
    EXPECT_EQ(Entries(folder), 0) << "checking leaves no file";
    EXPECT_EQ(WriteFileAtomically(path, "first"), std::nullopt);
    EXPECT_EQ(ReadBytes(path), "first");

    EXPECT_EQ(WriteFileAtomically(folder.file("none\\game.zgs"), "x"), FileError{"File not found"});
    EXPECT_EQ(CheckFileWritable(folder.file("none\\game.zgs")), FileError{"Folder not found"});
    std::string text;
    EXPECT_EQ(ReadTextFile(folder.path().string(), text), FileError{"File access denied"});
    EXPECT_EQ(Entries(folder), 1);
}

TEST(WindowsSave, AGameOpenElsewhereWithoutSharingIsRefusedWhole) {
    TempFolder folder;
    const std::string path = folder.file("locked.zgs");
    WriteBytes(path, "old game");
    const HANDLE held = ::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteFileAtomically(path, "new game"), FileError{"File access denied"});
    ::CloseHandle(held);
    EXPECT_EQ(ReadBytes(path), "old game");
    EXPECT_EQ(Entries(folder), 1);
}

}  // namespace
}  // namespace zorikan::testing
