// Files that are not what the game needs, met through the real windows: a
// folder in place of the data file, a save file the game could never write,
// and saved games that hold no creature or end early.

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_session.h"
#include "core/saves/save_game.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/loader_window.h"
#include "screens/main_window.h"
#include "screens/title_window.h"

namespace zorikan {
namespace {

using testing::DataFolder;
using testing::ModalAnswerer;
using testing::WaitFor;

TEST(FileFaults, AFolderNamedLikeTheDataFileStopsTheLoad) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("ZORIGAME.dat");
    GameSession session({}, folder.path());
    ModalAnswerer answers;
    answers.answerBox();
    session.start();
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.loader()->loadFailed(); }));
    EXPECT_EQ(answers.boxTexts, QStringList{"File access denied."});
    EXPECT_TRUE(session.loader()->isVisible());
    EXPECT_FALSE(session.title()->isVisible());
}

TEST(FileFaults, TheNewGamesDialogAsksAgainForAFileThatCannotBeWritten) {
    QTemporaryDir saves;
    const QString nowhere = saves.filePath("gone/first.zgs");  // a folder that does not exist
    const QString file = saves.filePath("first.zgs");
    GameSession session({}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));

    ModalAnswerer answers;
    answers.chooseFile(nowhere);
    answers.answerBox();
    answers.chooseFile(file);
    answers.then(
        [](QWidget* w) { QTest::mouseClick(w->findChild<QPushButton*>("OKBtn"), Qt::LeftButton); });
    QTest::mouseClick(session.title()->findChild<QPushButton*>("NewButton"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.mainWindow()->isVisible(); }));
    EXPECT_TRUE(answers.unexpected.isEmpty());
    // The dialog may put the missing folder under its own: only the end is sure.
    ASSERT_EQ(answers.boxTexts.size(), 1);
    EXPECT_TRUE(answers.boxTexts[0].startsWith("The game cannot be saved to /"));
    EXPECT_TRUE(answers.boxTexts[0].endsWith(
        "/gone/first.zgs.\nFolder not found.\nPlease choose another file."))
        << answers.boxTexts[0].toStdString();
    EXPECT_EQ(session.game().screens.main.saveFileName, file.toStdString());
    EXPECT_FALSE(QFileInfo::exists(file)) << "the check leaves no file behind";
}

TEST(FileFaults, ASavedGameWithoutACreatureLeavesTheTitleUp) {
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.zgs");
    QFile(empty).open(QIODevice::WriteOnly);
    GameSession session({empty}, DataFolder());
    ModalAnswerer answers;
    answers.answerBox();
    session.start();
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.title()->isVisible(); }));
    EXPECT_EQ(
        answers.boxTexts,
        QStringList{"empty.zgs holds no ZORIKAN. It is not a saved game, or it was cut off."});
    EXPECT_FALSE(session.mainWindow()->isVisible());
}

TEST(FileFaults, ASavedGameCutOffLaterLoadsAndSaysWhereItEnded) {
    QTemporaryDir dir;
    GameState s;
    s.PlayerName = "Ilse";
    s.RosterSpecies[1] = 4;
    s.RosterLevel[1] = 6;
    s.RosterExp[1] = 216;
    const std::string whole = SaveGameText(s);
    // The header's 405 lines and slot 1: 408 lines.
    std::size_t cut = 0;
    for (int line = 0; line < 408; ++line) cut = whole.find('\n', cut) + 1;
    const QString path = dir.filePath("cut.zgs");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.data(), static_cast<qint64>(cut));
    file.close();

    GameSession session({path}, DataFolder());
    ModalAnswerer answers;
    answers.answerBox();
    session.start();
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.mainWindow()->isVisible(); }));
    EXPECT_EQ(
        answers.boxTexts,
        QStringList{"The saved game ended early, at line 408.\nWhat was missing starts empty."});
    EXPECT_EQ(session.game().state.PlayerName, "Ilse");
}

}  // namespace
}  // namespace zorikan
