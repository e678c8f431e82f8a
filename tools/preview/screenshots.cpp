// Takes the README's screenshots from the real windows: the title, a wild
// battle two turns in, the statistics window of a game under way, and the
// Mart with an order filled in. Given a language, it takes every window and
// every message box in that language instead, for a translator's review. The
// game is seeded, so every run shows the same battle. Built on demand (target
// zorikan_screenshots) and run by tools/preview/take_screenshots.sh under a
// private X display.
//   zorikan_screenshots OUTPUT_FOLDER [LANGUAGE]

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "app/game_session.h"
#include "core/collection/roster.h"
#include "core/saves/new_game.h"
#include "screens/about_box.h"
#include "screens/battle_arena.h"
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
#include "ui/game_language.h"
#include "ui/help_window.h"

namespace {

using zorikan::Game;
using zorikan::GameSession;
using zorikan::MenuItem;

// Answers every message box with Yes (or its only button), as a player
// agreeing to everything would, after a picture of it into `boxes` when that
// is a folder. A timer, so it also runs inside the boxes' own event loops.
void AnswerEveryBox(QTimer& timer, const QString& boxes) {
    QObject::connect(&timer, &QTimer::timeout, [boxes] {
        static int taken = 0;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!boxes.isEmpty() && box->isVisible())
                box->grab().save(QDir(boxes).filePath(QString::asprintf("box-%02d.png", ++taken)));
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

// The windows the README does not show, for a translator's review: each in
// the state that shows its texts.
bool SaveTheOtherWindows(GameSession& session, const QDir& folder) {
    zorikan::TForm4* main = session.mainWindow();
    bool ok = Save(session.battleLog(), folder, "battle_log.png");
    main->menuAction(MenuItem::ViewDEX1)->trigger();
    session.zoridex()->speciesList()->setCurrentIndex(0);
    ok &= Save(session.zoridex(), folder, "zoridex.png");
    main->menuAction(MenuItem::TypeComparisons1)->trigger();
    ok &= Save(session.typeComparisons(), folder, "type_comparisons.png");
    main->menuAction(MenuItem::GameCorner1)->trigger();
    ok &= Save(session.gameCorner(), folder, "game_corner.png");
    session.gameCorner()->hide();
    main->menuAction(MenuItem::Evolve1)->trigger();
    ok &= Save(main, folder, "evolve.png");
    for (auto [dialog, name] : {std::pair<QWidget*, const char*>{session.about(), "about.png"},
                                {session.nameDialog(), "name_dialog.png"},
                                {session.help(), "help.png"}}) {
        dialog->show();
        ok &= Save(dialog, folder, name);
        dialog->hide();
    }
    // A trainer's battle, with its boxes, to its end.
    main->menuAction(MenuItem::Tavrin1)->trigger();
    Settle(300);
    emit session.statistics()->rosterList()->doubleClicked(
        session.statistics()->rosterList()->model()->index(0, 0));
    Settle(300);
    zorikan::BattleArena* arena = main->arena();
    arena->attackItem(0)->click();
    while (arena->goButton()->isVisible()) {
        arena->goButton()->click();
        Settle(50);
    }
    ok &= Save(main, folder, "trainer_battle_end.png");
    arena->endButton()->click();
    Settle(300);
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORIKAN Simulator");
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [LANGUAGE]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool everyWindow = argc == 3;
    const zorikan::ui::GameLanguage language(everyWindow ? QString::fromLocal8Bit(argv[2])
                                                         : QStringLiteral("en"));
    if (!language.complete()) {
        std::fprintf(stderr, "no catalogue for the language %s\n", argv[2]);
        return 2;
    }
    QTimer answerer;
    AnswerEveryBox(answerer, everyWindow ? folder.path() : QString());
    GameSession session({}, QFileInfo(ZORIKAN_DATA_FILE).absolutePath());
    session.start();
    bool ok = true;
    if (everyWindow) ok &= Save(session.loader(), folder, "loader.png");
    Settle(1500);
    if (!session.title()->isVisible()) {
        std::fprintf(stderr, "the title window did not open\n");
        return 1;
    }
    ok &= Save(session.title(), folder, "title.png");

    session.random().reseed(7);
    PlayForAWhile(session);
    ok &= Save(session.statistics(), folder, "statistics.png");

    zorikan::TForm4* main = session.mainWindow();
    main->menuAction(MenuItem::FindZRKN1)->trigger();
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
    if (everyWindow) ok &= Save(main, folder, "battle_end.png");
    arena->endButton()->click();
    Settle(300);

    main->menuAction(MenuItem::Buy1)->trigger();
    Settle(300);
    zorikan::TForm9* mart = session.mart();
    mart->findChild<QRadioButton*>("RadioGroup1Item1")->click();
    mart->quantityBox()->setValue(3);
    Settle(200);
    ok &= Save(mart, folder, "mart.png");
    if (everyWindow) {
        mart->hide();
        ok &= SaveTheOtherWindows(session, folder);
    }
    return ok ? 0 : 1;
}
