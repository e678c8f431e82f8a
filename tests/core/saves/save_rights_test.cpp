// Saving into real files with a player's rights: read-only games, folders
// that take no new files, links, and the file's permissions, group and owner
// kept across a save. Checking a file before play starts changes nothing.

#include "posix_only.h"

#ifdef _WIN32
ZORIKAN_SKIPPED_WITHOUT_POSIX(SaveRights, OnThisSystem)
#else

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "as_player.h"
#include "core/data/atomic_file.h"
#include "core/saves/save_game.h"
#include "temp_folder.h"

namespace zorikan::testing {
namespace {

constexpr const char* kNoRights = "rights cannot be dropped to an ordinary user here";

std::string Outcome(const std::optional<FileError>& error) {
    return error ? error->text : "saved";
}

struct stat Stat(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

long Entries(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

TEST(SaveRights, AReadOnlySavedGameIsRefusedAndKept) {
    PlayerFolder folder;
    const std::string path = folder.file("kept.zgs");
    WriteBytes(path, "old game");
    GiveToPlayer(path, 0444);
    // Under root: another user's game in the player's folder, writable only
    // by its owner.
    const std::string others = folder.file("others.zgs");
    WriteBytes(others, "their game");
    ::chmod(others.c_str(), 0644);

    const bool root = IsRoot();
    const auto result = RunAsPlayer([&] {
        std::string seen = Outcome(WriteFileAtomically(path, "new game")) + " / " +
                           Outcome(CheckFileWritable(path));
        if (root) seen += " / " + Outcome(WriteFileAtomically(others, "mine now"));
        return seen;
    });
    if (!result) GTEST_SKIP() << kNoRights;
    EXPECT_EQ(*result, root ? "File access denied / File access denied / File access denied"
                            : "File access denied / File access denied");
    EXPECT_EQ(ReadBytes(path), "old game");
    EXPECT_EQ(ReadBytes(others), "their game");
    EXPECT_EQ(Entries(folder.path()), 2);

    // Rights that would override the mark do not override the player's wish.
    EXPECT_EQ(WriteFileAtomically(path, "new game"), FileError{"File access denied"});
    EXPECT_EQ(ReadBytes(path), "old game");
}

TEST(SaveRights, AWritableGameInAReadOnlyFolderIsWrittenWhereItIs) {
    PlayerFolder folder;
    const std::string games = folder.folder("games", 0755);
    const std::string path = games + "/mine.zgs";
    WriteBytes(path, std::string(5000, 'o'));
    GiveToPlayer(path, 0640);
    ::chmod(games.c_str(), 0555);
    const ino_t before = Stat(path).st_ino;

    GameState state;
    state.PlayerName = "Tobin";
    state.RosterSpecies[1] = 12;
    const auto result = RunAsPlayer([&] {
        return Outcome(CheckFileWritable(path)) + " / " + Outcome(WriteSaveGameFile(state, path)) +
               " / " + Outcome(CheckFileWritable(games + "/new.zgs")) + " / " +
               Outcome(WriteFileAtomically(games + "/new.zgs", "x"));
    });
    if (!result) GTEST_SKIP() << kNoRights;
    EXPECT_EQ(*result, "saved / saved / File access denied / File access denied");
    EXPECT_EQ(ReadBytes(path), SaveGameText(state));
    EXPECT_EQ(Stat(path).st_ino, before);
    EXPECT_EQ(Stat(path).st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(games), 1);

    // Written where it is, a game that is shorter than the old one is cut
    // to its own length.
    EXPECT_EQ(RunAsPlayer([&] { return Outcome(WriteFileAtomically(path, "short")); }), "saved");
    EXPECT_EQ(ReadBytes(path), "short");
}

TEST(SaveRights, AWriteInPlaceThatRunsOutOfRoomSaysSo) {
    PlayerFolder folder;
    const std::string games = folder.folder("games", 0755);
    const std::string path = games + "/mine.zgs";
    WriteBytes(path, "old");
    GiveToPlayer(path, 0644);
    ::chmod(games.c_str(), 0555);

    const auto result = RunAsPlayer([&] {
        // The file size limit stops the write once 1000 bytes are written.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
        return Outcome(WriteFileAtomically(path, std::string(5000, 'n')));
    });
    if (!result) GTEST_SKIP() << kNoRights;
    EXPECT_EQ(*result, "Disk full");
    EXPECT_EQ(Entries(games), 1);
}

TEST(SaveRights, ASavedGameBehindALinkIsWrittenToTheLinkedFile) {
    namespace fs = std::filesystem;
    PlayerFolder folder;
    const std::string games = folder.folder("games", 0755);
    const std::string shortcuts = folder.folder("shortcuts", 0755);
    const std::string real = games + "/real.zgs";
    WriteBytes(real, "old");
    GiveToPlayer(real, 0644);
    // A relative link, a link to that link, and a link to a file to come.
    const std::string link = shortcuts + "/game.zgs";
    fs::create_symlink("../games/real.zgs", link);
    const std::string latest = folder.file("latest.zgs");
    fs::create_symlink(link, latest);
    const std::string ahead = shortcuts + "/next.zgs";
    fs::create_symlink("../games/next.zgs", ahead);

    const auto result = RunAsPlayer([&] {
        return Outcome(WriteFileAtomically(latest, "second")) + " / " +
               Outcome(WriteFileAtomically(ahead, "fresh"));
    });
    if (!result) GTEST_SKIP() << kNoRights;
    EXPECT_EQ(*result, "saved / saved");
    EXPECT_EQ(ReadBytes(real), "second");
    EXPECT_EQ(ReadBytes(games + "/next.zgs"), "fresh");
    EXPECT_EQ(fs::read_symlink(link), "../games/real.zgs");
    EXPECT_EQ(fs::read_symlink(latest), link);
    EXPECT_TRUE(fs::is_symlink(ahead));
    EXPECT_EQ(Entries(games), 2);
    EXPECT_EQ(Entries(shortcuts), 2);

    // The linked file in a folder the player cannot write: written in place.
    ::chmod(games.c_str(), 0555);
    const auto inPlace = RunAsPlayer([&] { return Outcome(WriteFileAtomically(link, "third")); });
    EXPECT_EQ(inPlace, "saved");
    EXPECT_EQ(ReadBytes(real), "third");
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST(SaveRights, TheReplacementKeepsPermissionsGroupAndOwner) {
    PlayerFolder folder;
    const std::string path = folder.file("shared.zgs");
    WriteBytes(path, "old");
    GiveToPlayer(path, 0604);
    const auto result = RunAsPlayer([&] {
        ::umask(077);  // the player's default would give 0600
        return Outcome(WriteFileAtomically(path, "new"));
    });
    if (!result) GTEST_SKIP() << kNoRights;
    EXPECT_EQ(*result, "saved");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(Stat(path).st_mode & 07777, 0604u);
    if (!IsRoot()) return;

    // A group the player belongs to besides their own is kept.
    constexpr gid_t kSharedGroup = 100;
    ASSERT_EQ(::chown(path.c_str(), kPlayerUser, kSharedGroup), 0);
    ::chmod(path.c_str(), 0660);
    const auto grouped =
        RunAsPlayer([&] { return Outcome(WriteFileAtomically(path, "again")); }, {kSharedGroup});
    EXPECT_EQ(grouped, "saved");
    EXPECT_EQ(Stat(path).st_gid, kSharedGroup);
    EXPECT_EQ(Stat(path).st_mode & 07777, 0660u);

    // An administrator saving the player's game leaves it the player's.
    ASSERT_EQ(WriteFileAtomically(path, "by root"), std::nullopt);
    EXPECT_EQ(ReadBytes(path), "by root");
    EXPECT_EQ(Stat(path).st_uid, kPlayerUser);
    EXPECT_EQ(Stat(path).st_gid, kSharedGroup);
    EXPECT_EQ(Stat(path).st_mode & 07777, 0660u);
}

TEST(CheckFileWritable, FindsOutWithoutLeavingOrChangingAFile) {
    TempFolder folder;
    const std::string fresh = folder.file("fresh.zgs");
    EXPECT_EQ(CheckFileWritable(fresh), std::nullopt);
    EXPECT_EQ(Entries(folder.path()), 0);

    const std::string existing = folder.file("existing.zgs");
    WriteBytes(existing, "a game");
    const auto before = Stat(existing);
    EXPECT_EQ(CheckFileWritable(existing), std::nullopt);
    EXPECT_EQ(ReadBytes(existing), "a game");
    EXPECT_EQ(Stat(existing).st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(Entries(folder.path()), 1);

    EXPECT_EQ(CheckFileWritable(folder.file("missing/game.zgs")), FileError{"Folder not found"});
    EXPECT_EQ(CheckFileWritable(existing + "/game.zgs"), FileError{"File not found"});
    EXPECT_EQ(CheckFileWritable(folder.path().string()), FileError{"File access denied"});
    // The system's views take no saved game, whether the name is new or not.
    EXPECT_EQ(CheckFileWritable("/proc/game.zgs"), FileError{"File access denied"});
    EXPECT_EQ(CheckFileWritable("/proc/self/comm"), FileError{"File access denied"});
    EXPECT_EQ(CheckFileWritable(""), FileError{"File not found"});
}

}  // namespace
}  // namespace zorikan::testing

#endif  // _WIN32
