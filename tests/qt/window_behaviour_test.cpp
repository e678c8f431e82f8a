// The side windows as a player meets them: windows that must not go away,
// the battle log across two battles, the fighter's gauge, the species panel
// and the two reference windows driven through their own controls.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

#include "app/game_session.h"
#include "core/battle/battle_start.h"
#include "core/collection/roster.h"
#include "core/collection/zoridex.h"
#include "core/data/data_file.h"
#include "core/model/menu_layout.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/battle_arena.h"
#include "screens/battle_log_window.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"
#include "screens/type_comparisons_window.h"
#include "screens/wild_panel.h"
#include "screens/zoridex_window.h"
#include "ui/gauge.h"

namespace zorikan {
namespace {

using testing::ModalAnswerer;
using testing::WaitFor;

QString FromData(const std::string& text) {
    return QString::fromStdString(text);
}

class SideWindows : public testing::GameWindows {
protected:
    void SetUp() override {
        session.random().reseed(77);
        startGame(0, [](Game& game) { game.state.PlayerName = "Wren"; });  // species 1
        Game& game = session.game();
        game.state.RosterLevel[1] = 60;
        game.state.RosterExp[1] = 216'000;
        session.refresh();
        game.setVisible(Window::Zoridex, false);
        session.refresh();
    }
    // Opens a wild battle from the Actions menu, closing its box.
    void searchForABattle() {
        answers.answerBox();
        session.mainWindow()->menuAction(MenuItem::FindZRKN1)->trigger();
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
        ASSERT_TRUE(session.mainWindow()->arena()->isVisible());
    }
    // Chooses the creature of slot 1: its statistics box, then Yes.
    void confirmFighter() {
        answers.answerBox();
        answers.answerBox(QMessageBox::Yes);
        QListView* roster = session.statistics()->rosterList();
        emit roster->doubleClicked(roster->model()->index(0, 0));
        ASSERT_TRUE(WaitFor([&] {
            return answers.done() && session.mainWindow()->arena()->goButton()->isVisible();
        }));
    }
    template <class T>
    T* arenaChild(const char* name) {
        return session.mainWindow()->arena()->findChild<T*>(name);
    }
};

TEST_F(SideWindows, StatisticsAndBattleInfoRefuseToClose) {
    searchForABattle();
    for (QWidget* w : {static_cast<QWidget*>(session.statistics()),
                       static_cast<QWidget*>(session.battleLog())}) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        // Alt+F4 and a close box reach the window as a close request of its
        // native window; the program's own close() takes the same road.
        ASSERT_NE(w->windowHandle(), nullptr);
        EXPECT_FALSE(w->windowHandle()->close()) << w->objectName().toStdString();
        EXPECT_FALSE(w->close()) << w->objectName().toStdString();
        QApplication::processEvents();
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_TRUE(session.game().isVisible(Window::Statistics));
    EXPECT_TRUE(session.game().isVisible(Window::BattleLog));
    // The battle can still be played: the fighter is chosen in the window
    // that stayed.
    confirmFighter();
}

bool Minimised(const QWidget* w) {
    return w->windowState() & Qt::WindowMinimized;
}

TEST_F(SideWindows, AMinimisedWindowComesBackForThePlayersNextStep) {
    TForm5* stats = session.statistics();
    TForm4* main = session.mainWindow();
    TForm7* log = session.battleLog();
    // The window manager is asked for no minimise, maximise or close button.
    for (QWidget* w : {static_cast<QWidget*>(stats), static_cast<QWidget*>(log)}) {
        const Qt::WindowFlags flags = w->windowFlags();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << w->objectName().toStdString();
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                              Qt::WindowCloseButtonHint))
            << w->objectName().toStdString();
    }
    // F6 in the main window brings the statistics window back with the keyboard.
    stats->showMinimized();
    ASSERT_TRUE(Minimised(stats));
    main->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return main->isActiveWindow(); }));
    QTest::keyClick(main, Qt::Key_F6);
    EXPECT_FALSE(Minimised(stats));
    EXPECT_TRUE(WaitFor([&] { return stats->isActiveWindow(); }));
    // F6 there brings the main window back.
    main->showMinimized();
    QTest::keyClick(stats->rosterList(), Qt::Key_F6);
    EXPECT_FALSE(Minimised(main));
    EXPECT_TRUE(WaitFor([&] { return main->isActiveWindow(); }));
    // So does the menu item that leads to the statistics window.
    stats->showMinimized();
    main->menuAction(MenuItem::Statistics1)->trigger();
    EXPECT_FALSE(Minimised(stats));

    // A battle's start brings both side windows back before its box asks
    // for a fighter.
    stats->showMinimized();
    log->show();
    log->showMinimized();
    bool backAtTheBox = false;
    answers.then([&](QWidget* box) {
        backAtTheBox =
            stats->isVisible() && !Minimised(stats) && log->isVisible() && !Minimised(log);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    main->menuAction(MenuItem::FindZRKN1)->trigger();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_TRUE(backAtTheBox);
    confirmFighter();
}

TEST_F(SideWindows, EscClosesAnOpenListBeforeItsWindow) {
    for (MenuItem item : {MenuItem::ViewDEX1, MenuItem::TypeComparisons1}) {
        session.mainWindow()->menuAction(item)->trigger();
        QWidget* window = item == MenuItem::ViewDEX1 ? static_cast<QWidget*>(session.zoridex())
                                                     : session.typeComparisons();
        ASSERT_TRUE(WaitFor([&] { return window->isActiveWindow(); })) << item;
        auto* list = window->findChild<QComboBox*>("ComboBox1");
        list->setFocus();
        list->showPopup();
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        // The key reaches the game through the window with the keyboard, as
        // the window system delivers it.
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        EXPECT_TRUE(WaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
        EXPECT_TRUE(window->isVisible()) << item;
        // The second Esc closes the window, as it did before.
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << item;
    }
}

TEST_F(SideWindows, ACreatureThatJoinsALongRosterShowsInTheList) {
    Game& game = session.game();
    for (int n = 0; n < 40; ++n) AddZRKN(game, 1, game.speciesName(1), 5);
    session.refresh();
    QListView* roster = session.statistics()->rosterList();
    roster->scrollToTop();
    answers.answerBox();  // the note that comes with an Omnivar
    AddZRKN(game, 150, game.speciesName(150), 30);
    game.setVisible(Window::Zoridex, false);
    session.refresh();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    const QModelIndex last = roster->model()->index(roster->model()->rowCount() - 1, 0);
    ASSERT_EQ(last.row(), 41);
    EXPECT_TRUE(
        WaitFor([&] { return roster->viewport()->rect().contains(roster->visualRect(last)); }));
}

TEST_F(SideWindows, TheLogKeepsItsLinesUntilTheNextBattleStarts) {
    searchForABattle();
    confirmFighter();
    TForm7* log = session.battleLog();
    const QStringList first = log->lines();
    ASSERT_EQ(first.size(), 2);

    // Minimising and restoring: the window is hidden and shown again by the
    // window system, and the game does not take part.
    log->showMinimized();
    QApplication::processEvents();
    log->hide();
    log->show();
    log->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(log->lines(), first);

    // "Run!" ends the wild battle; the log then holds its line too.
    BattleArena* arena = session.mainWindow()->arena();
    QRadioButton* run = arena->attackItem(4);
    QTest::mouseClick(run, Qt::LeftButton, {}, QPoint(6, run->height() / 2));
    QTest::mouseClick(arena->goButton(), Qt::LeftButton);
    ASSERT_TRUE(arena->endButton()->isVisible());
    EXPECT_EQ(log->lines().last(), "Got away safely!");
    QTest::mouseClick(arena->endButton(), Qt::LeftButton);
    EXPECT_FALSE(log->isVisible());

    // The second battle's log starts with its own first line only.
    searchForABattle();
    const std::string opponent = session.data().SpeciesNames[session.game().battle.OppSpecies];
    EXPECT_EQ(log->lines(), QStringList{FromData("Wild " + opponent + " appeared!")});
}

TEST_F(SideWindows, TheFightersGaugeEndsBesideItsNameAndTurnsYellow) {
    searchForABattle();
    confirmFighter();
    auto* label2 = arenaChild<QLabel>("Label2");
    auto* gauge1 = arenaChild<ui::Gauge>("Gauge1");
    ASSERT_TRUE(gauge1->isVisible());
    EXPECT_EQ(label2->text(), FromData(session.data().SpeciesNames[1] + " L.60"));
    EXPECT_EQ(gauge1->x(), label2->width() + 80);
    EXPECT_EQ(gauge1->x() + gauge1->width(), 289);
    EXPECT_EQ(gauge1->barColour(), QColor(0, 128, 0));
    EXPECT_EQ(gauge1->maximum(), 600);

    // An enemy hit takes the fighter to 240 of 600 hit points: 40 %.
    ArenaModel& arena = session.game().screens.main.arena;
    ShowHp(arena.fighterGauge, arena.fighterHpText, 240, 600);
    session.refresh();
    EXPECT_EQ(gauge1->barColour(), QColor(255, 255, 0));
    EXPECT_EQ(gauge1->percent(), 40);
    EXPECT_EQ(arenaChild<QLabel>("Label8")->text(), "240/600");

    // The bar is yellow, and the "40%" in the middle, over the grey part,
    // is drawn dark: nothing yellow lies right of the bar.
    const QImage picture = gauge1->grab().toImage();
    const int filled = gauge1->width() * 40 / 100;
    int yellowInGrey = 0;
    int dark = 0;
    for (int y = 1; y < picture.height() - 1; ++y) {
        for (int x = 1; x < picture.width() - 1; ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (x < 4 && y == picture.height() / 2) {
                EXPECT_EQ(c, QColor(255, 255, 0));
            }
            if (x > filled + 1 && c.red() > 180 && c.green() > 180 && c.blue() < 100)
                ++yellowInGrey;
            if (c.lightness() < 80) ++dark;
        }
    }
    EXPECT_EQ(yellowInGrey, 0);
    EXPECT_GT(dark, 10);
}

// WCAG's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(GaugeText, ReadsOnEveryBarColourAndOnTheEmptyPart) {
    ui::Gauge gauge;
    const QColor background = gauge.palette().color(QPalette::Button);
    for (const QColor& colour :
         {QColor(0, 128, 0), QColor(255, 255, 0), QColor(255, 0, 0), QColor(0, 0, 128), background})
        EXPECT_GE(Contrast(ui::ReadableTextColour(colour), colour), 4.5)
            << colour.name().toStdString();
}

class SpeciesPanel : public SideWindows {
protected:
    void SetUp() override {
        SideWindows::SetUp();
        Game& game = session.game();
        answers.answerBox();  // the note that comes with an Omnivar
        AddZRKN(game, 150, game.speciesName(150), 70);
        game.setVisible(Window::Zoridex, false);
        session.refresh();
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
        answers.answerBox();
        session.mainWindow()->menuAction(MenuItem::FindZRKN1)->trigger();
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
        ASSERT_TRUE(panel()->isVisible());
        ASSERT_FALSE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());
    }
    WildPanel* panel() { return session.mainWindow()->wildPanel(); }
};

TEST_F(SpeciesPanel, CancelPutsThePanelAwayAndStartsNothing) {
    panel()->speciesList()->setCurrentIndex(24);
    QTest::mouseClick(panel()->findChild<QPushButton*>("Button3"), Qt::LeftButton);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(session.mainWindow()->arena()->isVisible());
    EXPECT_FALSE(session.battleLog()->isVisible());
    EXPECT_FALSE(session.game().battle.InWildBattle);
    EXPECT_TRUE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());
    EXPECT_EQ(session.game().state.Fights, 0u);
}

TEST_F(SpeciesPanel, RandomStartsABattleAtLevelNinetyOrMore) {
    // Whatever was chosen in the panel, "Random" draws its own opponent.
    panel()->speciesList()->setCurrentIndex(0);
    panel()->levelBox()->setValue(2);
    answers.answerBox();
    QTest::mouseClick(panel()->findChild<QPushButton*>("Button4"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    const BattleState& battle = session.game().battle;
    EXPECT_FALSE(panel()->isVisible());
    ASSERT_TRUE(session.mainWindow()->arena()->isVisible());
    EXPECT_TRUE(battle.InWildBattle);
    EXPECT_EQ(battle.BattleKind, 2);
    EXPECT_GE(battle.OppLevel, 90);
    EXPECT_LE(battle.OppLevel, 100);
    const std::string name = session.data().SpeciesNames[battle.OppSpecies];
    EXPECT_EQ(arenaChild<QLabel>("Label3")->text(),
              FromData("Enemy " + name + " L." + std::to_string(battle.OppLevel)));
    EXPECT_EQ(session.battleLog()->lines(), QStringList{FromData("Wild " + name + " appeared!")});
    EXPECT_FALSE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());
}

TEST_F(SideWindows, TheZoridexIsBrowsedWithTheKeyboardAndKeepsItsSize) {
    TForm8* dex = session.zoridex();
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    ASSERT_TRUE(dex->isVisible());
    QComboBox* list = dex->speciesList();
    ASSERT_EQ(list->count(), 386);
    auto text = [&](const char* name) { return dex->findChild<QLabel*>(name)->text(); };

    // The starter is registered: its attacks show. Down moves to species 2,
    // which is not, so its attacks stay hidden.
    list->setFocus();
    list->setCurrentIndex(0);
    const GameData& data = session.data();
    EXPECT_EQ(text("Label1"), FromData(data.SpeciesNames[1] + " (#001)"));
    EXPECT_EQ(text("Label6"), FromData(data.AttackNames[data.SpeciesAttacks[1][1]]));
    EXPECT_EQ(text("Label13"),
              FromData(data.TypeNames[data.AttackType[data.SpeciesAttacks[1][1]]]));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(text("Label1"), FromData(data.SpeciesNames[2] + " (#002)"));
    EXPECT_EQ(text("Label6"), "???");
    EXPECT_EQ(text("Label16"), "???");
    EXPECT_EQ(text("Label2"), FromData(data.TypeNames[data.SpeciesType1[2]]));

    // Browsing the whole list moves no control and resizes nothing.
    const QSize size = dex->size();
    const QPoint close = dex->findChild<QPushButton*>("Button1")->pos();
    for (int n = 1; n <= kSpeciesCount; ++n) {
        list->setCurrentIndex(n - 1);
        QApplication::processEvents();
        ASSERT_EQ(dex->size(), size) << "species " << n;
        ASSERT_EQ(dex->findChild<QPushButton*>("Button1")->pos(), close) << "species " << n;
        EXPECT_EQ(dex->findChild<QLabel*>("Label3")->isVisibleTo(dex), data.SpeciesType2[n] != 0);
        EXPECT_EQ(text("Label4"), FromData(EvolutionLine(data, n)));
    }

    // A minimised ZORIDEX comes back when the menu asks for it.
    dex->showMinimized();
    QApplication::processEvents();
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    EXPECT_FALSE(dex->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(dex->isVisible());

    // "Close ZORIDEX" puts it away; the menu brings back the same species.
    QTest::mouseClick(dex->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(dex->isVisible());
    session.mainWindow()->menuAction(MenuItem::ViewDEX1)->trigger();
    ASSERT_TRUE(dex->isVisible());
    EXPECT_EQ(list->currentIndex(), kSpeciesCount - 1);
    EXPECT_EQ(text("Label1"), FromData(data.SpeciesNames[386] + " (#386)"));
}

// The first attack and species for which the chart gives `wanted` against
// the species' types, single-typed or not as asked.
std::pair<int, int> FindMatch(const GameData& data, bool dualType, float first, float second) {
    for (int a = 1; a <= kAttackCount; ++a)
        for (int n = 1; n <= kSpeciesCount; ++n) {
            const int t = data.AttackType[a];
            if ((data.SpeciesType2[n] != 0) != dualType) continue;
            if (data.TypeChart[t][data.SpeciesType1[n]] != first) continue;
            if (dualType && data.TypeChart[t][data.SpeciesType2[n]] != second) continue;
            return {a, n};
        }
    return {0, 0};
}

TEST_F(SideWindows, TypeComparisonsWorkThroughTheirLists) {
    TFormA* window = session.typeComparisons();
    session.mainWindow()->menuAction(MenuItem::TypeComparisons1)->trigger();
    ASSERT_TRUE(window->isVisible());
    auto* attacks = window->findChild<QComboBox*>("ComboBox2");
    auto* species = window->findChild<QComboBox*>("ComboBox1");
    auto label = [&](const char* name) { return window->findChild<QLabel*>(name); };
    ASSERT_EQ(attacks->count(), kAttackCount);
    ASSERT_EQ(species->count(), kSpeciesCount);

    // One list alone shows nothing.
    const GameData& data = session.data();
    const auto [doubleAttack, doubleSpecies] = FindMatch(data, true, 2.0f, 2.0f);
    ASSERT_NE(doubleAttack, 0) << "the data has no attack that is strong against both types";
    attacks->setCurrentIndex(doubleAttack - 1);
    EXPECT_FALSE(label("Label6")->isVisible());

    species->setCurrentIndex(doubleSpecies - 1);
    EXPECT_TRUE(label("Label6")->isVisible());
    EXPECT_EQ(label("Label3")->text(), "2");
    EXPECT_TRUE(label("Label4")->isVisible());
    EXPECT_EQ(label("Label4")->text(), "2");
    EXPECT_EQ(label("Label6")->text(), "4");

    // A single-typed species hides the second row; the total is the first.
    const auto [halfAttack, singleSpecies] = FindMatch(data, false, 0.5f, 1.0f);
    ASSERT_NE(halfAttack, 0);
    attacks->setCurrentIndex(halfAttack - 1);
    species->setCurrentIndex(singleSpecies - 1);
    EXPECT_EQ(label("Label3")->text(), "0.5");
    EXPECT_FALSE(label("Label2")->isVisible());
    EXPECT_FALSE(label("Label4")->isVisible());
    EXPECT_EQ(label("Label6")->text(), "0.5");

    QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    session.mainWindow()->menuAction(MenuItem::TypeComparisons1)->trigger();
    EXPECT_EQ(attacks->currentIndex(), halfAttack - 1);
    EXPECT_EQ(species->currentIndex(), singleSpecies - 1);
}

}  // namespace
}  // namespace zorikan
