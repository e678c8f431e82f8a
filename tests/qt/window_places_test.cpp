// Where the windows stand: each one whole inside the screen's available
// area at the desktop's font size and scale (ctest runs these again at 144
// and 192 dpi and at the scales 1.5 and 2), a window the player left past an
// edge moved back in, and a window the game opens by itself clear of the
// main window's menu bar and of the window in use.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>

#include "app/game_session.h"
#include "core/collection/roster.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/about_box.h"
#include "screens/battle_log_window.h"
#include "screens/game_corner_window.h"
#include "screens/loader_window.h"
#include "screens/main_window.h"
#include "screens/mart_window.h"
#include "screens/name_dialog.h"
#include "screens/statistics_window.h"
#include "screens/title_window.h"
#include "screens/type_comparisons_window.h"
#include "screens/zoridex_window.h"
#include "ui/help_window.h"

namespace zorikan {
namespace {

using testing::WaitFor;

class WindowPlaces : public testing::GameWindows {
protected:
    void SetUp() override {
        startGame(0);
        session.game().setVisible(Window::Zoridex, false);
        session.placeWindows(false);
        session.refresh();
    }
    static QRect room() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    void menu(MenuItem item) { session.mainWindow()->menuAction(item)->trigger(); }
    // The shown windows whose frames reach past the screen's available area.
    static std::string OffScreen() {
        QApplication::processEvents();
        std::string off;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
                continue;
            const QRect frame = w->frameGeometry();
            if (!room().contains(frame))
                off += w->objectName().toStdString() + " at " + std::to_string(frame.x()) + "," +
                       std::to_string(frame.y()) + " " + std::to_string(frame.width()) + "x" +
                       std::to_string(frame.height()) + "; ";
        }
        return off;
    }
};

TEST_F(WindowPlaces, EveryWindowStandsWholeOnTheScreen) {
    for (QWidget* w :
         {static_cast<QWidget*>(session.loader()), static_cast<QWidget*>(session.title()),
          static_cast<QWidget*>(session.about()), static_cast<QWidget*>(session.nameDialog()),
          static_cast<QWidget*>(session.help())}) {
        w->show();
        EXPECT_EQ(OffScreen(), "") << w->objectName().toStdString();
        w->hide();
    }
    // A battle under way with every side window open, the ZORIDEX and the
    // type comparisons showing a result.
    answers.answerBox();
    menu(MenuItem::FindZRKN1);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    menu(MenuItem::ViewDEX1);
    session.zoridex()->speciesList()->setCurrentIndex(384);
    menu(MenuItem::TypeComparisons1);
    session.typeComparisons()->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(5);
    session.typeComparisons()->findChild<QComboBox*>("ComboBox2")->setCurrentIndex(5);
    ASSERT_TRUE(session.battleLog()->isVisible());
    EXPECT_EQ(OffScreen(), "");
}

TEST_F(WindowPlaces, AWindowLeftPastAnEdgeComesBackWhole) {
    menu(MenuItem::TypeComparisons1);
    TFormA* types = session.typeComparisons();
    ASSERT_TRUE(types->isVisible());
    // Dragged past the bottom right corner, then closed and opened again.
    types->move(room().right() - 40, room().bottom() - 40);
    types->hide();
    menu(MenuItem::TypeComparisons1);
    EXPECT_EQ(OffScreen(), "");
    // Back in the corner it was dragged past, not a pixel short of it.
    EXPECT_EQ(types->frameGeometry().bottomRight(), room().bottomRight());
    // Past the top left corner while it stays open, then grown by a result.
    types->move(room().left() - 60, room().top() - 60);
    types->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(8);
    types->findChild<QComboBox*>("ComboBox2")->setCurrentIndex(8);
    EXPECT_EQ(OffScreen(), "");
}

TEST_F(WindowPlaces, TheZoridexOpenedByTheGameCoversNeitherTheMenuBarNorTheWindowInUse) {
    TForm4* main = session.mainWindow();
    TForm5* stats = session.statistics();
    // The menu bar's strip: the frame's top down to the client area.
    const QRect frame = main->frameGeometry();
    const int barBottom = main->clientArea()->mapToGlobal(QPoint(0, 0)).y();
    const QRect menuBar(frame.left(), frame.top(), frame.width(), barBottom - frame.top());
    ASSERT_GT(menuBar.height(), 0);
    // A catch in the statistics window registers a new species.
    stats->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return stats->isActiveWindow(); }));
    Game& game = session.game();
    AddZRKN(game, 25, game.speciesName(25), 10);
    session.refresh();
    TForm8* dex = session.zoridex();
    ASSERT_TRUE(dex->isVisible());
    EXPECT_FALSE(dex->frameGeometry().intersects(menuBar)) << "over the menu bar";
    EXPECT_FALSE(dex->frameGeometry().intersects(stats->frameGeometry())) << "over the roster";
    EXPECT_EQ(OffScreen(), "");
}

TEST_F(WindowPlaces, TheShopsOpenBelowTheMainWindowAwayFromTheStatistics) {
    const QRect main = session.mainWindow()->frameGeometry();
    const QRect stats = session.statistics()->frameGeometry();
    for (const auto& [item, shop] :
         {std::pair<MenuItem, QWidget*>{MenuItem::Buy1, session.mart()},
          std::pair<MenuItem, QWidget*>{MenuItem::GameCorner1, session.gameCorner()}}) {
        menu(item);
        ASSERT_TRUE(shop->isVisible());
        const QRect frame = shop->frameGeometry();
        // Lined up with the main window on the side away from the statistics:
        // a wider shop reaches out to the left.
        const bool wider = frame.width() > main.width();
        const int left = wider ? main.right() + 1 - frame.width() : main.left();
        // A screen too small to hold it there (a large font or scale) pushes it
        // in from its edges, over the other windows.
        if (room().contains(QRect(QPoint(left, main.bottom() + 1), frame.size()))) {
            EXPECT_EQ(frame.left(), left) << (wider ? "wider" : "narrower");
            EXPECT_GT(frame.top(), main.bottom());
            EXPECT_FALSE(frame.intersects(stats));
        }
        shop->hide();
    }
}

}  // namespace
}  // namespace zorikan
