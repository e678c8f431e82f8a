// The built game, started as a child process, ends on SIGTERM, SIGHUP and
// SIGINT as it ends when its main window closes: the game is saved (an older
// file is written anew in today's layout) and the exit code is 0; a game that
// cannot be written ends the program with 1.

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <fstream>

#include "../core/version1_save.h"
#include "core/saves/save_game.h"
#include "data_folder.h"
#include "game_process.h"

namespace zorikan {
namespace {

using testing::StartGame;

void WriteVersion1Game(const QString& path, int lines) {
    std::vector<std::string> all = testing::Version1Lines("Hestia");
    all.resize(static_cast<std::size_t>(lines));
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string& line : all) out << line << "\r\n";
}

struct SignalCase {
    int signal;
    int lines;  // of the older file; a file cut short opens a warning box
};

class SignalEnd : public ::testing::TestWithParam<SignalCase> {};

TEST_P(SignalEnd, TheGameIsSavedWholeAndTheProgramEndsWithZero) {
    const SignalCase c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath("old.zgs");
    WriteVersion1Game(file, c.lines);

    QProcess game;
    ASSERT_TRUE(StartGame(game, {file}));

    QElapsedTimer ending;
    ending.start();
    ::kill(static_cast<pid_t>(game.processId()), c.signal);
    ASSERT_TRUE(game.waitForFinished(5000)) << "still running 5 s after the signal";
    EXPECT_LT(ending.elapsed(), 5000);
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.startsWith(QByteArray(kSaveIdentifier.data()) + "\r\n"));
    EXPECT_EQ(text.count('\n'), kSaveLinesV2);
    EXPECT_TRUE(text.endsWith("\r\n"));
    GameState s;
    ASSERT_EQ(ReadSaveGameFile(file.toStdString(), s), std::nullopt);
    EXPECT_EQ(s.PlayerName, "Hestia");
    EXPECT_EQ(s.RosterSpecies[1], 25);
}

INSTANTIATE_TEST_SUITE_P(
    Signals, SignalEnd,
    ::testing::Values(SignalCase{SIGTERM, kSaveLinesV1}, SignalCase{SIGINT, kSaveLinesV1},
                      SignalCase{SIGHUP, kSaveLinesV1},
                      // Cut off after the first creature: "ended early" is on screen.
                      SignalCase{SIGTERM, 300}),
    [](const ::testing::TestParamInfo<SignalCase>& info) {
        const char* name = info.param.signal == SIGTERM  ? "Term"
                           : info.param.signal == SIGINT ? "Int"
                                                         : "Hup";
        return std::string(name) + (info.param.lines < kSaveLinesV1 ? "WithABoxOpen" : "");
    });

TEST(SignalEnd, AGameThatCannotBeWrittenEndsTheProgramWithOne) {
    QTemporaryDir dir;
    const QString file = dir.filePath("old.zgs");
    WriteVersion1Game(file, kSaveLinesV1);
    QProcess game;
    ASSERT_TRUE(StartGame(game, {file}));
    // The file gives way to a folder of its name: the save on leaving fails.
    ASSERT_TRUE(QFile::rename(file, file + ".kept"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("old.zgs"));
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    ASSERT_TRUE(game.waitForFinished(5000)) << "still running 5 s after the signal";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 1);
}

TEST(SignalEnd, BeforeAnyGameThereIsNothingToSave) {
    QProcess game;
    ASSERT_TRUE(StartGame(game, {}));
    ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
    ASSERT_TRUE(game.waitForFinished(5000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
}

}  // namespace
}  // namespace zorikan
