// Saved games through the real windows: the command line, the title's load
// button, the save at close, and the reference windows of a loaded game.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_session.h"
#include "core/saves/new_game.h"
#include "core/saves/save_game.h"
#include "core/saves/window_placement.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"
#include "screens/title_window.h"
#include "screens/type_comparisons_window.h"
#include "screens/zoridex_window.h"
#include "ui/music_player.h"

namespace zorikan {
namespace {

using testing::DataFolder;
using testing::ModalAnswerer;
using testing::WaitFor;

QString WriteGame(const QTemporaryDir& dir, const QString& name, const std::string& player) {
    GameState s;
    s.PlayerName = player;
    s.BadgeCount = 1;
    s.Money = 2'500'000'000u;
    s.RosterSpecies[1] = 7;
    s.RosterLevel[1] = 12;
    s.RosterExp[1] = 1728;
    s.OwnedFlags[7] = true;
    const QString path = dir.filePath(name);
    EXPECT_EQ(WriteSaveGameFile(s, path.toStdString()), std::nullopt);
    return path;
}

QLabel* Label(QWidget* w, const char* name) {
    return w->findChild<QLabel*>(name);
}

TEST(SavedGame, CommandLineLoadsTheLastExistingFile) {
    QTemporaryDir dir;
    const QString first = WriteGame(dir, "first.zgs", "Alwen");
    const QString second = WriteGame(dir, "second.zgs", "Brisk");
    GameSession session({first, second, dir.filePath("missing.zgs")}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.mainWindow()->isVisible(); }));
    EXPECT_EQ(session.game().state.PlayerName, "Brisk");
    EXPECT_EQ(session.mainWindow()->windowTitle(), "ZORIKAN Simulator V4.1 - Brisk [second.zgs]");
    EXPECT_FALSE(session.title()->isVisible());
    EXPECT_TRUE(session.statistics()->isVisible());
    EXPECT_EQ(Label(session.statistics(), "MoneyLbl")->text(), "2500000000");
    EXPECT_TRUE(session.mainWindow()->menuAction(MenuItem::Nerissa1)->isEnabled());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const WindowPlacement p = PlaceWindows(screen.width(), screen.height(), true);
    EXPECT_EQ(session.mainWindow()->pos(), QPoint(p.mainLeft, p.mainTop));
    EXPECT_EQ(session.statistics()->pos(), QPoint(p.statisticsLeft, p.statisticsTop));
}

TEST(SavedGame, CommandLineWithoutAnExistingFileShowsTheTitle) {
    QTemporaryDir dir;
    GameSession session({dir.filePath("nothing.zgs"), dir.path()}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));
    EXPECT_FALSE(session.mainWindow()->isVisible());
}

TEST(SavedGame, LoadButtonOpensTheChosenFile) {
    QTemporaryDir dir;
    const QString file = WriteGame(dir, "mine.zgs", "Corra");
    GameSession session({}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));
    ModalAnswerer answers;
    answers.chooseFile(file);
    QTest::mouseClick(session.title()->findChild<QPushButton*>("LoadButton"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.mainWindow()->isVisible(); }));
    EXPECT_TRUE(answers.unexpected.isEmpty());
    EXPECT_EQ(answers.fileModes, QList{QFileDialog::ExistingFile});
    EXPECT_EQ(session.game().state.PlayerName, "Corra");
    EXPECT_EQ(session.game().screens.main.saveFileName, file.toStdString());
    EXPECT_FALSE(session.title()->isVisible());
}

TEST(SavedGame, AFailedSaveAtCloseLetsThePlayerStayQuitOrSaveElsewhere) {
    QTemporaryDir dir;
    const QString file = WriteGame(dir, "keep.zgs", "Dace");
    GameSession session({file}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.mainWindow()->isVisible(); }));
    session.game().state.Money = 4'000'000'001u;

    // A folder stands where the file should go: the error box, then No to
    // another file and a hurried Enter on quitting, which means No: the game
    // stays open.
    const QString blocked = dir.filePath("blocked.zgs");
    QDir(dir.path()).mkdir("blocked.zgs");
    session.game().screens.main.saveFileName = blocked.toStdString();
    ModalAnswerer stay;
    stay.answerBox();
    stay.answerBox(QMessageBox::No);
    stay.then([&stay](QWidget* modal) {
        stay.boxTexts.push_back(qobject_cast<QMessageBox*>(modal)->text());
        QTest::keyClick(modal, Qt::Key_Return);
    });
    session.mainWindow()->close();
    ASSERT_TRUE(WaitFor([&] { return stay.done(); }));
    EXPECT_EQ(stay.boxTexts,
              (QStringList{"File access denied.",
                           "The game was not saved to blocked.zgs.\nSave it to another file?",
                           "Quit without saving?\nAll progress since the game was started or "
                           "loaded will be lost."}));
    EXPECT_TRUE(session.mainWindow()->isVisible());

    // Yes to another file: the save dialog, and the game closes saved there.
    const QString other = dir.filePath("other.zgs");
    ModalAnswerer elsewhere;
    elsewhere.answerBox();
    elsewhere.answerBox(QMessageBox::Yes);
    elsewhere.chooseFile(other);
    session.mainWindow()->close();
    ASSERT_TRUE(WaitFor([&] { return elsewhere.done() && !session.mainWindow()->isVisible(); }));
    EXPECT_TRUE(elsewhere.unexpected.isEmpty());
    EXPECT_EQ(elsewhere.fileModes, QList{QFileDialog::AnyFile});
    GameState saved;
    ASSERT_EQ(ReadSaveGameFile(other.toStdString(), saved), std::nullopt);
    EXPECT_EQ(saved.Money, 4'000'000'001u);
    EXPECT_EQ(saved.PlayerName, "Dace");
}

TEST(SavedGame, QuittingWithoutSavingLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString file = WriteGame(dir, "old.zgs", "Ebba");
    GameSession session({file}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.mainWindow()->isVisible(); }));
    QDir(dir.path()).mkdir("blocked.zgs");
    session.game().screens.main.saveFileName = dir.filePath("blocked.zgs").toStdString();
    session.game().state.Money = 1;

    ModalAnswerer quit;
    quit.answerBox();
    quit.answerBox(QMessageBox::No);
    quit.answerBox(QMessageBox::Yes);
    session.mainWindow()->close();
    ASSERT_TRUE(WaitFor([&] { return quit.done() && !session.mainWindow()->isVisible(); }));
    EXPECT_EQ(quit.boxTexts.size(), 3);
    GameState kept;
    ASSERT_EQ(ReadSaveGameFile(file.toStdString(), kept), std::nullopt);
    EXPECT_EQ(kept.Money, 2'500'000'000u);
}

TEST(SavedGame, ZoridexAndTypeComparisonsOpenFromTheMenu) {
    QTemporaryDir dir;
    GameSession session({WriteGame(dir, "dex.zgs", "Eska")}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.mainWindow()->isVisible(); }));

    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    TForm8* dex = session.zoridex();
    ASSERT_TRUE(dex->isVisible());
    EXPECT_EQ(dex->windowTitle(), "ZORIDEX");
    ASSERT_EQ(dex->speciesList()->count(), 386);
    EXPECT_TRUE(dex->speciesList()->itemText(6).endsWith(" (#007)"));
    EXPECT_FALSE(dex->findChild<QWidget*>("Panel1")->isVisible());
    dex->speciesList()->setCurrentIndex(6);  // registered in the saved game
    EXPECT_TRUE(dex->findChild<QWidget*>("Panel1")->isVisible());
    EXPECT_EQ(Label(dex, "Label1")->text(), dex->speciesList()->itemText(6));
    EXPECT_NE(Label(dex, "Label6")->text(), "???");
    dex->speciesList()->setCurrentIndex(7);
    EXPECT_EQ(Label(dex, "Label6")->text(), "???");
    QTest::mouseClick(dex->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(dex->isVisible());
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    EXPECT_EQ(dex->speciesList()->currentIndex(), 7);  // kept between openings

    session.mainWindow()->menuAction(MenuItem::TypeComparisons1)->trigger();
    TFormA* types = session.typeComparisons();
    ASSERT_TRUE(types->isVisible());
    EXPECT_EQ(types->attackList()->count(), 119);
    types->attackList()->setCurrentIndex(0);
    EXPECT_FALSE(Label(types, "Label6")->isVisible());
    types->speciesList()->setCurrentIndex(0);
    EXPECT_TRUE(Label(types, "Label6")->isVisible());
    EXPECT_FALSE(Label(types, "Label6")->text().isEmpty());
}

TEST(SavedGame, MusicAndDebugMenus) {
    QTemporaryDir dir;
    GameSession session({WriteGame(dir, "tune.zgs", "Fenn")}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.mainWindow()->isVisible(); }));
    TForm4* main = session.mainWindow();
    EXPECT_TRUE(main->menuAction(MenuItem::RepeatMusic1)->isChecked());
    main->menuAction(MenuItem::RepeatMusic1)->trigger();
    EXPECT_FALSE(main->menuAction(MenuItem::RepeatMusic1)->isChecked());
    EXPECT_FALSE(session.game().screens.menus.isChecked(MenuItem::RepeatMusic1));
    // Nothing chosen yet: stopping is harmless.
    main->menuAction(MenuItem::StopMusic1)->trigger();
    EXPECT_EQ(session.music().repeat().state(), MusicRepeat::State::NoFile);

    // F2 is a shortcut of the main window, heard once the window is active.
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F2);
    EXPECT_FALSE(main->menuAction(MenuItem::MakeVisible1)->isEnabled());
    EXPECT_FALSE(main->menuBar()->actions().contains(main->menuAction(MenuItem::Debug1)));
    main->menuAction(MenuItem::AlwaysshowattacksinZORIDEX1)->trigger();
    EXPECT_TRUE(session.game().screens.menus.isChecked(MenuItem::AlwaysshowattacksinZORIDEX1));

    const QStringList filters = ui::MusicFileFilters().split(";;");
    ASSERT_EQ(filters.size(), 6);
    EXPECT_TRUE(filters[4].startsWith("MIDI Files (*.mid;*.midi;*.rmi) (*.mid *.midi *.rmi)"));
}

// The music module is loaded for the first piece: a file that is no music
// gets the media player's own reason, once.
TEST(SavedGame, TheFirstPieceLoadsTheMusicModule) {
    QTemporaryDir dir;
    const QString notMusic = dir.filePath("notes.mp3");
    QFile file(notMusic);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are no notes");
    file.close();
    QStringList reports;
    ui::MusicPlayer music([] { return true; }, [&](const QString& text) { reports << text; });
    music.open(notMusic);
    ASSERT_TRUE(WaitFor([&] { return !reports.isEmpty(); }, 15000));
    QTest::qWait(200);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith("notes.mp3")) << reports[0].toStdString();
    EXPECT_FALSE(reports[0].contains("zorikan_music")) << "the module was not loaded";
    EXPECT_EQ(music.repeat().state(), MusicRepeat::State::Broken);
}

}  // namespace
}  // namespace zorikan
