// From launch to the first creature, through the real windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/game_session.h"
#include "core/shared/random.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/about_box.h"
#include "screens/loader_window.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"
#include "screens/title_window.h"
#include "ui/help_window.h"

namespace zorikan {
namespace {

using testing::DataFolder;
using testing::ModalAnswerer;
using testing::WaitFor;

TEST(Startup, WithoutTheDataFileTheGameSaysSoAndOffersAWayOut) {
    QTemporaryDir empty;
    GameSession session({}, empty.path());
    ModalAnswerer answers;
    answers.answerBox();
    session.start();
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.loader()->loadFailed(); }));
    EXPECT_EQ(answers.boxTexts, QStringList{"File not found."});
    EXPECT_EQ(answers.boxTitles, QStringList{"ZORIKAN Simulator"});
    EXPECT_TRUE(session.loader()->isVisible());
    EXPECT_FALSE(session.title()->isVisible());
    auto* quit = session.loader()->findChild<QPushButton*>("QuitButton");
    ASSERT_NE(quit, nullptr);
    EXPECT_TRUE(quit->isVisible());
}

TEST(Startup, TheLoaderFillsItsGaugesThenShowsTheTitle) {
    QApplication::setWindowIcon(QIcon());
    GameSession session({}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));
    EXPECT_FALSE(session.loader()->isVisible());
    EXPECT_EQ(session.loader()->gauges().totalPosition(), LoaderGauges::kTotalMaximum);
    EXPECT_EQ(session.loader()->gauges().stagePosition(), 64);
    EXPECT_FALSE(session.mainWindow()->isVisible());
    // The program's icon follows the title window onto the screen.
    EXPECT_TRUE(WaitFor([] { return !QApplication::windowIcon().isNull(); }));
}

TEST(Startup, TheLoaderAndTheTitleShowTheNameInRedOnYellow) {
    GameSession session({}, DataFolder());
    const std::pair<QWidget*, int> windows[] = {{session.loader(), 36}, {session.title(), 43}};
    for (const auto& [window, pixelSize] : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        auto* banner = window->findChild<QLabel*>("TitleLabel");
        ASSERT_NE(banner, nullptr);
        EXPECT_EQ(banner->text(), "ZORIKAN Simulator V4.1");
        EXPECT_EQ(banner->font().family(), "Arial");
        EXPECT_EQ(banner->font().pixelSize(), pixelSize);
        const QImage picture = window->grab().toImage();
        EXPECT_EQ(picture.pixelColor(1, picture.height() - 2), QColor(Qt::yellow));
        int red = 0;
        const QRect name = banner->geometry();
        for (int y = name.top(); y <= name.bottom(); ++y)
            for (int x = name.left(); x <= name.right(); ++x)
                red += picture.pixelColor(x, y) == QColor(Qt::red);
        EXPECT_GT(red, 100);
    }
}

TEST(Startup, NothingLoadsOrReseedsTheDiceBeforeTheGameStarts) {
    // A session made but not started (a window under test, a tool) keeps
    // the seed it was given while events run: seeded games replay alike.
    GameSession session({}, DataFolder());
    session.random().reseed(2024);
    SeededRandom same(2024);
    EXPECT_FALSE(WaitFor([] { return false; }, 50));
    for (int draw = 0; draw < 16; ++draw)
        ASSERT_EQ(session.random().Random(1000), same.Random(1000)) << "draw " << draw;
    EXPECT_EQ(session.loader()->gauges().totalPosition(), 0);
    EXPECT_FALSE(session.loader()->isVisible());
    EXPECT_FALSE(session.title()->isVisible());
}

TEST(Startup, ANewGameReachesTheStarterAndTheStatisticsWindow) {
    QTemporaryDir saves;
    const QString file = saves.filePath("first.zgs");
    GameSession session({}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));

    ModalAnswerer answers;
    answers.chooseFile(file);
    answers.then([&](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>("Edit1");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->maxLength(), 15);
        edit->clear();
        QTest::keyClicks(edit, "Wren");
        QTest::mouseClick(w->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(session.title()->findChild<QPushButton*>("NewButton"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done() && session.mainWindow()->isVisible(); }));

    EXPECT_TRUE(answers.unexpected.isEmpty());
    EXPECT_FALSE(session.title()->isVisible());
    EXPECT_EQ(session.mainWindow()->windowTitle(), "ZORIKAN Simulator V4.1 - Wren [first.zgs]");
    QListWidget* starters = session.mainWindow()->starterList();
    ASSERT_TRUE(starters->isVisible());
    ASSERT_EQ(starters->count(), 3);
    EXPECT_EQ(starters->item(1)->text().toStdString(), session.data().SpeciesNames[4]);
    EXPECT_FALSE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());

    const QRect second = starters->visualItemRect(starters->item(1));
    QTest::mouseClick(starters->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_TRUE(WaitFor([&] { return session.statistics()->isVisible(); }));
    const GameState& s = session.game().state;
    EXPECT_EQ(s.RosterSpecies[1], 4);
    EXPECT_EQ(s.RosterLevel[1], 5);
    EXPECT_EQ(s.ZoriBalls, 3u);
    EXPECT_FALSE(starters->isVisible());
    EXPECT_TRUE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());
    QListView* roster = session.statistics()->rosterList();
    ASSERT_EQ(roster->model()->rowCount(), 1);
    EXPECT_EQ(roster->model()->index(0, 0).data().toString().toStdString(),
              session.data().SpeciesNames[4]);
    EXPECT_EQ(session.statistics()->findChild<QLabel*>("PlayerNameLbl")->text(), "Wren");
    EXPECT_EQ(session.statistics()->findChild<QLabel*>("ZoriBallsLbl")->text(), "3");
    EXPECT_EQ(session.statistics()->findChild<QLabel*>("OwnedZRKNLbl")->text(), "1");
}

TEST(Startup, HelpOpensOurPageAtItsIndex) {
    GameSession session({}, DataFolder());
    ui::HelpWindow* help = session.help();
    help->openTopic("Index");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source().fragment(), "Index");
    EXPECT_TRUE(help->browser()->toPlainText().contains("Starting a game"));
}

TEST(Startup, TheAboutBoxShowsTheGameAndItsRealWordSize) {
    GameSession session({}, DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));
    ModalAnswerer answers;
    QStringList texts;
    bool picture = false;
    answers.then([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "ZORIKAN Simulator V4.1");
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) texts << label->text();
            picture |= !label->pixmap().isNull();
        }
        QTest::mouseClick(w->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    QTest::mouseClick(session.title()->findChild<QPushButton*>("AboutButton"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done() && !session.about()->isVisible(); }));
    EXPECT_TRUE(picture);
    // This game is built for 64-bit machines; a 32-bit build says so instead.
#if defined(__x86_64__) || defined(__aarch64__) || defined(_M_X64) || defined(_M_ARM64)
    EXPECT_EQ(texts, (QStringList{"ZORIKAN Simulator", "Version 4.1 (64-bit)"}));
#else
    EXPECT_EQ(texts, (QStringList{"ZORIKAN Simulator", "Version 4.1 (32-bit)"}));
#endif
}

}  // namespace
}  // namespace zorikan
