// The program ends as a player, the desktop or a signal ends it: the real
// event loop returns with its exit code, no window stays on screen, and the
// game on disk is whole.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/game_session.h"
#include "app/program_end.h"
#include "app/run_game.h"
#include "core/saves/save_game.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/main_window.h"

namespace zorikan {
namespace {

using testing::DataFolder;
using testing::ModalAnswerer;

QWidget* TopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) names << w->metaObject()->className();
    return names;
}

QString WriteGame(const QTemporaryDir& dir, std::uint32_t money) {
    GameState s;
    s.PlayerName = "Odile";
    s.Money = money;
    s.RosterSpecies[1] = 4;
    s.RosterLevel[1] = 30;
    s.RosterExp[1] = 27000;
    s.OwnedFlags[4] = true;
    const QString path = dir.filePath("ending.zgs");
    EXPECT_EQ(WriteSaveGameFile(s, path.toStdString()), std::nullopt);
    return path;
}

// The file's number on its disk: the atomic replace of a save gives it a new one.
ino_t FileNumber(const QString& path) {
    struct stat s {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? s.st_ino : 0;
}

std::uint32_t SavedMoney(const QString& path) {
    GameState s;
    EXPECT_EQ(ReadSaveGameFile(path.toStdString(), s), std::nullopt);
    return s.Money;
}

struct Ended {
    int exitCode = -1;
    qint64 msAfterAction = -1;  // from the player's action to the loop's return
};

// Runs `loop` (the game's event loop) until it returns. Once the window
// named `window` shows, `action` runs in it; a loop still running after 15 s
// is ended with 99.
Ended RunUntilEnded(const QString& window, const std::function<void(QWidget*)>& action,
                    const std::function<int()>& loop) {
    QElapsedTimer since;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = TopLevel(window);
        if (!w || !w->isVisible()) return;
        poll.stop();
        since.start();
        action(w);
    });
    poll.start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(15'000);
    Ended ended;
    ended.exitCode = loop();
    if (since.isValid()) ended.msAfterAction = since.elapsed();
    return ended;
}

Ended RunGameUntilEnded(const QStringList& arguments, const QString& window,
                        const std::function<void(QWidget*)>& action,
                        const QString& dataFolder = DataFolder()) {
    return RunUntilEnded(window, action, [&] { return RunGame(arguments, dataFolder); });
}

// The game's event loop for a session the test made itself.
int StartAndRun(GameSession& session) {
    session.start();
    return QApplication::exec();
}

void Press(QWidget* window, const char* button) {
    QPushButton* b = window->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

TEST(ProgramEnd, EveryWayOutOfThePlayerEndsTheProgram) {
    struct Way {
        const char* how;
        QString window;
        std::function<void(QWidget*)> action;
        bool withGame;
    };
    const Way ways[] = {
        {"the main window's close box", "Form4", [](QWidget* w) { w->close(); }, true},
        {"File > Quit", "Form4", [](QWidget* w) { w->findChild<QAction*>("Quit1")->trigger(); },
         true},
        {"the title window's Exit", "Form1", [](QWidget* w) { Press(w, "ExitButton"); }, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.how);
        QTemporaryDir dir;
        const QString file = WriteGame(dir, 700);
        const Ended ended = RunGameUntilEnded(way.withGame ? QStringList{file} : QStringList{},
                                              way.window, [&](QWidget* w) {
                                                  // The file changes behind the game: the close
                                                  // must write it anew.
                                                  WriteGame(dir, 1);
                                                  way.action(w);
                                              });
        EXPECT_EQ(ended.exitCode, 0);
        EXPECT_GE(ended.msAfterAction, 0);
        EXPECT_LT(ended.msAfterAction, 2000);
        EXPECT_EQ(VisibleWindows(), QStringList());
        EXPECT_EQ(SavedMoney(file), way.withGame ? 700u : 1u);
    }
}

TEST(ProgramEnd, QuittingWithoutSavingEndsTheProgramAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString file = WriteGame(dir, 500);
    const ino_t written = FileNumber(file);
    ModalAnswerer answers;
    const Ended ended = RunGameUntilEnded({file}, "Form4", [&](QWidget* main) {
        // The save after loading is on disk before the file turns unwritable.
        ASSERT_TRUE(testing::WaitFor([&] { return FileNumber(file) != written; }));
        // The file gives way to a folder: the save at close fails.
        QFile::rename(file, file + ".kept");
        QDir(dir.path()).mkdir("ending.zgs");
        answers.answerBox();                  // "File access denied."
        answers.answerBox(QMessageBox::No);   // save it to another file?
        answers.answerBox(QMessageBox::Yes);  // quit without saving?
        main->close();
    });
    EXPECT_TRUE(answers.done());
    EXPECT_EQ(answers.boxTexts.value(2).left(20), "Quit without saving?");
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_LT(ended.msAfterAction, 2000);
    EXPECT_EQ(VisibleWindows(), QStringList());
    EXPECT_EQ(SavedMoney(file + ".kept"), 500u);
}

TEST(ProgramEnd, TheLoaderWithoutItsDataEndsTheProgramWhenClosed) {
    QTemporaryDir empty;
    ModalAnswerer answers;
    answers.answerBox();  // "File not found."
    const Ended ended = RunGameUntilEnded(
        {}, "Form3",
        [&](QWidget* loader) {
            testing::WaitFor([&] { return answers.done(); });
            loader->close();
        },
        empty.path());
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_EQ(VisibleWindows(), QStringList());
}

TEST(ProgramEnd, TheDesktopSessionsEndSavesTheGameAndIsNeverHeldUp) {
    QTemporaryDir dir;
    const QString file = WriteGame(dir, 300);
    GameSession session({file}, DataFolder());
    ProgramEnd end(session);
    bool askedForTheTurn = false;
    const Ended ended = RunUntilEnded(
        "Form4",
        [&](QWidget*) {
            session.game().state.Money = 301;
            // Saving asks nothing when the write works...
            end.sessionEnds([&] { return askedForTheTurn = true; });
            EXPECT_FALSE(askedForTheTurn);
            EXPECT_EQ(SavedMoney(file), 301u);
            // ...and then the session manager's last word: Qt's quit, which
            // no window may refuse (the statistics window and Battle Info
            // refuse the player's close).
            QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
        },
        [&] { return StartAndRun(session); });
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_EQ(VisibleWindows(), QStringList());
}

TEST(ProgramEnd, AFailedSaveAtTheSessionsEndIsShownOnlyWhenThePlayerIsAtHand) {
    QTemporaryDir dir;
    const QString file = WriteGame(dir, 300);
    GameSession session({file}, DataFolder());
    ProgramEnd end(session);
    ModalAnswerer answers;
    const Ended ended = RunUntilEnded(
        "Form4",
        [&](QWidget*) {
            // The save after loading is on disk before the file turns unwritable.
            session.waitForSaves();
            QFile::remove(file);
            QDir(dir.path()).mkdir("ending.zgs");
            end.sessionEnds([] { return false; });
            EXPECT_TRUE(answers.boxTexts.isEmpty());
            answers.answerBox();
            end.sessionEnds([] { return true; });
            EXPECT_EQ(answers.boxTexts, QStringList{"File access denied."});
            QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
        },
        [&] { return StartAndRun(session); });
    // The game could not be kept: the program says so with its exit code.
    EXPECT_EQ(ended.exitCode, 1);
    EXPECT_EQ(VisibleWindows(), QStringList());
}

}  // namespace
}  // namespace zorikan
