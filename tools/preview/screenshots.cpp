// Takes the README's screenshots from the real windows, in the desktop's
// language: the title, a wild battle two turns in, the statistics window of a
// game under way, and the Mart with an order filled in. The game is seeded,
// so every run shows the same battle. Built on demand (target
// zorikan_screenshots) and run by tools/preview/take_screenshots.sh under a
// private X display. With --every-window it goes on to every other window,
// panel and menu, for a translator to read a language through.
//   zorikan_screenshots OUTPUT_FOLDER [--every-window]

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <cstdio>

#include "app/game_session.h"
#include "core/collection/roster.h"
#include "core/saves/new_game.h"
#include "screens/about_box.h"
#include "screens/battle_arena.h"
#include "screens/battle_log_window.h"
#include "screens/evolve_panel.h"
#include "screens/game_corner_window.h"
#include "screens/loader_window.h"
#include "screens/main_window.h"
#include "screens/mart_window.h"
#include "screens/name_dialog.h"
#include "screens/statistics_window.h"
#include "screens/title_window.h"
#include "screens/type_comparisons_window.h"
#include "screens/wild_panel.h"
#include "screens/zoridex_window.h"
#include "ui/game_language.h"
#include "ui/help_window.h"

namespace {

using zorikan::Game;
using zorikan::GameSession;
using zorikan::MenuItem;

// Answers every message box with Yes (or its only button), as a player
// agreeing to everything would. A timer, so it also runs inside the boxes'
// own event loops.
void AnswerEveryBox(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->buttons().value(0))->click();
        }
    });
    timer.start(20);
}

// Runs the event loop for `ms`, so the windows are drawn.
void Settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    window->raise();
    Settle(200);
    const QString path = folder.filePath(name);
    if (window->grab().save(path)) return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

// A game some hours in: five badges, money, items and a few caught creatures.
void PlayForAWhile(GameSession& session) {
    Game& game = session.game();
    zorikan::BeginNewGame(game, QDir::temp().filePath("screenshots.zgs").toStdString());
    zorikan::TakePlayerName(game, "Wren");
    session.placeWindows(false);
    game.setVisible(zorikan::Window::Main, true);
    zorikan::ShowStarterChoice(game);
    zorikan::ChooseStarter(game, 1);
    game.state.RosterLevel[1] = 31;
    game.state.RosterExp[1] = 31 * 31 * 31 + 1'200;
    for (auto [species, level] : {std::pair{25, 24}, {74, 19}, {120, 22}, {45, 27}})
        zorikan::AddZRKN(game, species, game.data.SpeciesNames[species], level);
    game.setVisible(zorikan::Window::Zoridex, false);
    zorikan::GameState& s = game.state;
    s.BadgeCount = 5;
    s.Money = 18'750;
    s.Wins = 41;
    s.Losses = 6;
    s.Fights = 47;
    s.Catches = 4;
    s.ZoriBalls = 7;
    s.GreatBalls = 3;
    s.Potions = 4;
    s.SuperPotions = 1;
    session.refresh();
    Settle(300);
}

// Opens `menu` and each menu below it in turn, saving each as menuN.png.
bool SaveMenus(QMenu* menu, QWidget* main, const QDir& folder, int& count) {
    menu->popup(main->mapToGlobal(QPoint(0, 0)));
    Settle(200);
    bool ok = Save(menu, folder, QString("menu%1.png").arg(count++));
    menu->hide();
    for (QAction* action : menu->actions())
        if (action->menu()) ok &= SaveMenus(action->menu(), main, folder, count);
    return ok;
}

// The windows, panels and menus the README does not show.
bool SaveEveryOtherWindow(GameSession& session, const QDir& folder) {
    zorikan::TForm4* main = session.mainWindow();
    bool ok = Save(session.battleLog(), folder, "battle_info.png");
    const std::pair<MenuItem, QWidget*> windows[] = {
        {MenuItem::ViewDEX1, session.zoridex()},
        {MenuItem::TypeComparisons1, session.typeComparisons()},
        {MenuItem::GameCorner1, session.gameCorner()},
    };
    const char* names[] = {"zoridex.png", "type_comparisons.png", "game_corner.png"};
    for (std::size_t i = 0; i < std::size(windows); ++i) {
        main->menuAction(windows[i].first)->trigger();
        Settle(300);
        ok &= Save(windows[i].second, folder, names[i]);
        windows[i].second->close();
    }
    const std::pair<QWidget*, const char*> dialogs[] = {
        {session.about(), "about.png"},
        {session.help(), "help.png"},
        {session.nameDialog(), "name.png"},
        {session.loader(), "loader.png"},
    };
    for (auto [dialog, name] : dialogs) {
        dialog->show();
        Settle(300);
        ok &= Save(dialog, folder, name);
        dialog->hide();
    }
    const std::pair<QWidget*, const char*> panels[] = {
        {main->wildPanel(), "wild_search.png"},
        {main->evolvePanel(), "evolve_to.png"},
    };
    for (auto [panel, name] : panels) {
        panel->show();
        Settle(300);
        ok &= Save(main, folder, name);
        panel->hide();
    }
    int count = 0;
    for (QAction* top : main->menuBar()->actions())
        if (top->menu()) ok &= SaveMenus(top->menu(), main, folder, count);
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORIKAN Simulator");
    QApplication::setQuitOnLastWindowClosed(false);
    // In the desktop's language, as the game itself plays.
    const zorikan::ui::GameLanguage language(zorikan::ui::DesktopLanguage());
    const bool everyWindow = argc == 3 && QByteArray(argv[2]) == "--every-window";
    if (argc != 2 && !everyWindow) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [--every-window]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTimer answerer;
    AnswerEveryBox(answerer);
    GameSession session({}, QFileInfo(ZORIKAN_DATA_FILE).absolutePath());
    session.start();
    Settle(1500);
    if (!session.title()->isVisible()) {
        std::fprintf(stderr, "the title window did not open\n");
        return 1;
    }
    bool ok = Save(session.title(), folder, "title.png");

    session.random().reseed(7);
    PlayForAWhile(session);
    ok &= Save(session.statistics(), folder, "statistics.png");

    zorikan::TForm4* main = session.mainWindow();
    main->menuAction(zorikan::MenuItem::FindZRKN1)->trigger();
    Settle(300);
    emit session.statistics()->rosterList()->doubleClicked(
        session.statistics()->rosterList()->model()->index(0, 0));
    Settle(300);
    zorikan::BattleArena* arena = main->arena();
    arena->attackItem(0)->click();
    for (int turn = 0; turn < 2 && arena->goButton()->isVisible(); ++turn) {
        arena->goButton()->click();
        Settle(100);
    }
    ok &= Save(main, folder, "battle.png");
    while (arena->goButton()->isVisible()) {
        arena->goButton()->click();
        Settle(50);
    }
    arena->endButton()->click();
    Settle(300);

    main->menuAction(zorikan::MenuItem::Buy1)->trigger();
    Settle(300);
    zorikan::TForm9* mart = session.mart();
    mart->findChild<QRadioButton*>("RadioGroup1Item1")->click();
    mart->quantityBox()->setValue(3);
    Settle(200);
    ok &= Save(mart, folder, "mart.png");
    mart->close();
    if (everyWindow) ok &= SaveEveryOtherWindow(session, folder);
    return ok ? 0 : 1;
}
