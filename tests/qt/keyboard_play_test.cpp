// A game played with the keyboard alone, through the real windows: every
// action of the player is a key, and every box is answered with a key.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusVariant>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/game_session.h"
#include "core/battle/battle_items.h"
#include "core/collection/game_corner.h"
#include "core/collection/roster.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/battle_arena.h"
#include "screens/battle_log_window.h"
#include "screens/game_corner_window.h"
#include "screens/main_window.h"
#include "screens/mart_window.h"
#include "screens/statistics_window.h"
#include "screens/title_window.h"
#include "screens/type_comparisons_window.h"
#include "screens/zoridex_window.h"
#include "ui/help_window.h"

namespace zorikan {
namespace {

using testing::ModalAnswerer;
using testing::WaitFor;

// The accessibility bus as a screen reader hears it: a private connection
// under the name that Qt's bridge gives its own, whose description changes
// are kept, each as the object it came from and what it said (a text, or
// a number that hands the object's own description back).
class ScreenReaderBus : public QObject {
    Q_OBJECT

public:
    struct Said {
        QString object;
        QVariant what;
    };

    ScreenReaderBus() {
        connect(&server_, &QDBusServer::newConnection, this, [this](const QDBusConnection& peer) {
            peer_ = peer;
            peer_.connect(QString(), QString(), "org.a11y.atspi.Event.Object", "PropertyChange",
                          this, SLOT(hear(QDBusMessage)));
        });
        QDBusConnection::connectToPeer(server_.address(), "a11y");
        WaitFor([this] { return peer_.isConnected(); });
    }
    ~ScreenReaderBus() override { QDBusConnection::disconnectFromPeer("a11y"); }
    bool listening() const { return peer_.isConnected() && QDBusConnection("a11y").isConnected(); }

    // The texts in the order said; one said by several objects at once
    // counts once.
    QStringList texts() const {
        QStringList said;
        QString last;
        for (const Said& s : heard) {
            const QString text = s.what.typeId() == QMetaType::QString ? s.what.toString() : "";
            if (!text.isEmpty() && text != last) said.append(text);
            last = text;
        }
        return said;
    }
    QString spoken() const { return texts().join(" | "); }
    // Whether what was said last has arrived whole: each saying ends in
    // handing the objects' own descriptions back.
    bool settled() const {
        return !heard.isEmpty() && heard.last().what.typeId() != QMetaType::QString;
    }
    QStringList textsBy(QObject* control) const {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(control);
        if (!object) return {};
        const QString path =
            "/org/a11y/atspi/accessible/" + QString::number(QAccessible::uniqueId(object));
        QStringList said;
        for (const Said& s : heard)
            if (s.object == path && s.what.typeId() == QMetaType::QString)
                said.append(s.what.toString());
        return said;
    }
    // The objects whose last word was a text of the game's, not their own.
    QStringList stillSpeaking() const {
        QMap<QString, bool> speaking;
        for (const Said& s : heard) speaking[s.object] = s.what.typeId() == QMetaType::QString;
        QStringList objects;
        for (auto it = speaking.cbegin(); it != speaking.cend(); ++it)
            if (it.value()) objects.append(it.key());
        return objects;
    }

    QList<Said> heard;

private slots:
    void hear(const QDBusMessage& change) {
        if (change.arguments().value(0).toString() != "accessible-description") return;
        heard.append({change.path(), change.arguments().value(3).value<QDBusVariant>().variant()});
    }

private:
    QDBusServer server_;
    QDBusConnection peer_{QString()};
};

// Answers every message box while it is on: Y where it asks, else Enter.
class KeyAnswers : public QObject {
public:
    KeyAnswers() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == last_) return;
            last_ = box;
            texts.push_back(box->text());
            QTest::keyClick(box, box->button(QMessageBox::Yes) ? Qt::Key_Y : Qt::Key_Return);
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
    QPointer<QMessageBox> last_;
};

// What a screen reader follows as the keys move the keyboard: the widgets
// that take the focus, and the windows that become active.
class FocusTrail : public QObject {
public:
    FocusTrail() { qApp->installEventFilter(this); }
    void clear() {
        focused_.clear();
        activated_.clear();
    }
    // The widgets in their order, leaving out the boxes closed meanwhile.
    QList<QWidget*> focused() const { return alive(focused_); }
    QList<QWidget*> activated() const { return alive(activated_); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) focused_.push_back(widget);
        if (event->type() == QEvent::WindowActivate && widget->isWindow())
            activated_.push_back(widget);
        return false;
    }

private:
    static QList<QWidget*> alive(const QList<QPointer<QWidget>>& list) {
        QList<QWidget*> widgets;
        for (const QPointer<QWidget>& w : list)
            if (w) widgets.push_back(w);
        return widgets;
    }
    QList<QPointer<QWidget>> focused_;
    QList<QPointer<QWidget>> activated_;
};

class KeyboardPlay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(LoadGameDataFile(ZORIKAN_DATA_FILE, session.data()));
        session.random().reseed(2024);
        ASSERT_TRUE(folder.isValid());
    }

    // A new game in `file` of the test's folder, for `player`, with starter
    // `entry` chosen, as the title's "Start a new game!" leads to it.
    void startNewGame(const char* file, const char* player, int entry) {
        Game& game = session.game();
        BeginNewGame(game, folder.filePath(file).toStdString());
        TakePlayerName(game, player);
        game.setVisible(Window::Main, true);
        ShowStarterChoice(game);
        ChooseStarter(game, entry);
    }

    // The widget a key goes to: the focused one, else the active window.
    QWidget* keyTarget() {
        // A desktop hands the activation back to a closed box's parent, the
        // main window; the headless platform leaves no window active.
        if (!QApplication::activeWindow() && !QApplication::activePopupWidget() &&
            session.mainWindow()->isVisible()) {
            session.mainWindow()->activateWindow();
            active(session.mainWindow());
        }
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* focus = QApplication::focusWidget()) return focus;
        return QApplication::activeWindow();
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = keyTarget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(k), mods);
    }
    // Queues `count` boxes, each answered with Y when it asks, else Enter.
    void answerWithKeys(int count) {
        for (int i = 0; i < count; ++i)
            answers.then([this](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr) << modal->metaObject()->className();
                texts.push_back(box->text());
                QTest::keyClick(box, box->button(QMessageBox::Yes) ? Qt::Key_Y : Qt::Key_Return);
            });
    }
    // Types `text` where the dialog has its keyboard, then Enter.
    void typeAndEnter(QWidget* dialog, const QString& text) {
        ASSERT_TRUE(active(dialog));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus && focus->window() == dialog);
        QTest::keyClicks(focus, text);
        QTest::keyClick(focus, Qt::Key_Return);
    }
    // F1 in `window` opens the help; the help is put away and `window` has
    // the keyboard again.
    void helpFrom(QWidget* window) {
        key(Qt::Key_F1);
        ASSERT_TRUE(WaitFor([&] { return session.help()->isVisible(); }));
        session.help()->hide();
        window->activateWindow();
        ASSERT_TRUE(active(window));
    }
    bool boxesDone() {
        return WaitFor([&] { return answers.done(); });
    }
    // Opens the main window's menus with Alt and the menu's letter, then
    // walks down to each item of `path` and opens or triggers it.
    void chooseMenu(QChar letter, const QStringList& path) {
        keyTarget();
        ASSERT_EQ(QApplication::activeWindow(), session.mainWindow());
        key(letter.unicode(), Qt::AltModifier);
        for (const QString& item : path) {
            ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (int i = 0;
                 i < 40 && (!menu->activeAction() || menu->activeAction()->objectName() != item);
                 ++i)
                QTest::keyClick(menu, Qt::Key_Down);
            ASSERT_EQ(menu->activeAction()->objectName(), item);
            QTest::keyClick(menu, menu->activeAction()->menu() ? Qt::Key_Right : Qt::Key_Return);
        }
    }
    bool active(QWidget* window) {
        return WaitFor([window] { return QApplication::activeWindow() == window; });
    }
    // F6 to the statistics window, Enter on the first creature, the boxes
    // answered.
    void pickCreature(int boxes) {
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.statistics()));
        EXPECT_EQ(QApplication::focusWidget(), session.statistics()->rosterList());
        answerWithKeys(boxes);
        key(Qt::Key_Return);
        ASSERT_TRUE(boxesDone()) << texts.join(" | ").toStdString();
    }
    // A creature picked in battle: once it is out, the keyboard is back in
    // the battle by itself.
    void chooseFighter(int boxes) {
        pickCreature(boxes);
        ASSERT_TRUE(active(session.mainWindow()));
    }
    // Down checks the second attack; Tab reaches "Go!", Enter presses it
    // until the battle is over and "End Fight" has the focus.
    void fightToTheEnd() {
        BattleArena* arena = session.mainWindow()->arena();
        ASSERT_TRUE(arena->goButton()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), arena->attackItem(0));
        key(Qt::Key_Down);
        EXPECT_TRUE(arena->attackItem(1)->isChecked());
        EXPECT_EQ(session.game().screens.main.arena.selectedAttack, 1);
        key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), arena->goButton());
        for (int turn = 0; turn < 200 && arena->goButton()->isVisible(); ++turn) {
            ASSERT_EQ(QApplication::focusWidget(), arena->goButton());
            key(Qt::Key_Return);
        }
        ASSERT_TRUE(arena->endButton()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), arena->endButton());
    }

    GameSession session{{}, testing::DataFolder()};
    ModalAnswerer answers;
    QStringList texts;
    QTemporaryDir folder;
};

TEST_F(KeyboardPlay, AGameIsPlayedWithKeysAlone) {
    Game& game = session.game();
    session.title()->show();
    ASSERT_TRUE(active(session.title()));
    // Enter on the focused "Start a new game!", the file typed, the name typed.
    const QString file = folder.filePath("keys.zgs");
    answers.then([&](QWidget* dialog) { typeAndEnter(dialog, file); });
    answers.then([&](QWidget* dialog) { typeAndEnter(dialog, "Keys"); });
    ASSERT_EQ(QApplication::focusWidget(), session.title()->findChild<QPushButton*>("NewButton"));
    key(Qt::Key_Return);
    ASSERT_TRUE(boxesDone());
    EXPECT_EQ(game.state.PlayerName, "Keys");

    // The starter: arrows and Enter in the list.
    ASSERT_TRUE(active(session.mainWindow()));
    QListWidget* starters = session.mainWindow()->starterList();
    ASSERT_EQ(QApplication::focusWidget(), starters);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(game.state.RosterSpecies[1], 4);
    // Many battles later, in short: a seasoned fighter.
    game.state.RosterLevel[1] = 40;
    game.state.RosterExp[1] = 64'000;

    // A wild battle, won.
    answerWithKeys(1);
    chooseMenu('A', {"FightWild1", "FindZRKN1"});
    ASSERT_TRUE(boxesDone());
    chooseFighter(2);
    fightToTheEnd();
    key(Qt::Key_Return);
    EXPECT_FALSE(session.mainWindow()->arena()->isVisible());
    EXPECT_EQ(game.state.Wins, 1u);

    // The Mart: the arrows check Potions, Tab to the quantity, three typed,
    // Tab to "Buy" and Enter. Money saved up meanwhile, in short.
    game.state.Money = 100'000;
    TForm9* mart = session.mart();
    chooseMenu('A', {"Buy1"});
    ASSERT_TRUE(active(mart));
    for (int i = 0; i < 3; ++i) key(Qt::Key_Down);
    EXPECT_EQ(game.screens.mart.selectedItem, 3);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), mart->findChild<QSpinBox*>("SpinEdit1"));
    QTest::keyClicks(QApplication::focusWidget(), "3");
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), mart->findChild<QPushButton*>("Button1"));
    key(Qt::Key_Return);
    EXPECT_EQ(game.state.Potions, 3u);
    EXPECT_EQ(game.state.Money, 94'000u);
    EXPECT_FALSE(mart->isVisible());
    // Ultra Balls for the catch to come.
    chooseMenu('A', {"Buy1"});
    ASSERT_TRUE(active(mart));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "5");
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    EXPECT_EQ(game.state.UltraBalls, 5u);

    // A trainer battle, with a potion drunk once the fighter is hurt.
    {
        KeyAnswers boxes;
        chooseMenu('A', {"FightTrainer1", "Trainers1", "Beginner1", "Tavrin1"});
        chooseFighter(0);
        BattleArena* arena = session.mainWindow()->arena();
        key(Qt::Key_Down);
        key(Qt::Key_Tab);
        const int full = game.state.RosterLevel[1] * 10;
        while (arena->goButton()->isVisible() && game.battle.OwnHP == full) key(Qt::Key_Return);
        ASSERT_TRUE(arena->goButton()->isVisible()) << "won before a single scratch";
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.statistics()));
        // The balls are closed in a trainer battle: the potions come first.
        ASSERT_EQ(QApplication::focusWidget(), session.statistics()->itemButton(PotionButton));
        key(Qt::Key_Return);
        EXPECT_EQ(game.state.Potions, 2u);
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.mainWindow()));
        for (int turn = 0; turn < 300 && !arena->endButton()->isVisible(); ++turn)
            key(Qt::Key_Return);
        ASSERT_TRUE(arena->endButton()->isVisible());
        key(Qt::Key_Return);
        EXPECT_FALSE(arena->isVisible());
        EXPECT_EQ(game.state.Wins, 2u) << boxes.texts.join(" | ").toStdString();
    }

    // A wild battle ends in a catch: F6, Tab past the ZORIBalls to the
    // Ultra Balls, Enter until one holds.
    {
        KeyAnswers boxes;
        chooseMenu('A', {"FightWild1", "FindZRKN1"});
        chooseFighter(0);
        BattleArena* arena = session.mainWindow()->arena();
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.statistics()));
        EXPECT_EQ(QApplication::focusWidget(), session.statistics()->itemButton(ZoriBallButton));
        key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), session.statistics()->itemButton(UltraBallButton));
        while (game.state.UltraBalls > 0 && !arena->endButton()->isVisible()) key(Qt::Key_Return);
        ASSERT_TRUE(arena->endButton()->isVisible());
        EXPECT_TRUE(session.battleLog()->lines().join('\n').contains("You caught"));
        EXPECT_EQ(game.screens.statistics.rosterCount(), 2);
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.mainWindow()));
        EXPECT_EQ(QApplication::focusWidget(), arena->endButton());
        key(Qt::Key_Return);
        EXPECT_FALSE(arena->isVisible());
    }

    // Esc closes the ZORIDEX and the type comparisons; F1 opens the help.
    chooseMenu('A', {"ViewDEX1"});
    ASSERT_TRUE(active(session.zoridex()));
    helpFrom(session.zoridex());
    key(Qt::Key_Escape);
    EXPECT_FALSE(session.zoridex()->isVisible());
    chooseMenu('A', {"TypeComparisons1"});
    ASSERT_TRUE(active(session.typeComparisons()));
    key(Qt::Key_Escape);
    EXPECT_FALSE(session.typeComparisons()->isVisible());

    // Evolution: the mode from the menu, the creature from the statistics.
    {
        KeyAnswers boxes;
        const int before = game.state.RosterSpecies[1];
        ASSERT_GT(game.data.EvolutionLevel[before], 0);
        ASSERT_GE(game.state.RosterLevel[1], game.data.EvolutionLevel[before]);
        chooseMenu('A', {"Evolve1"});
        pickCreature(0);
        EXPECT_EQ(game.state.RosterSpecies[1], game.data.EvolvesInto[before])
            << boxes.texts.join(" | ").toStdString();
        // Outside battle the keyboard stays with the roster until F6.
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.mainWindow()));
    }

    // The game is saved as the main window closes: File, Quit.
    chooseMenu('F', {"Quit1"});
    ASSERT_TRUE(WaitFor([&] { return !session.mainWindow()->isVisible(); }));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Keys"));
}

TEST_F(KeyboardPlay, SideWindowsCloseWithEscAndEveryWindowHasTheHelp) {
    Game& game = session.game();
    session.title()->show();
    ASSERT_TRUE(active(session.title()));
    key(Qt::Key_F1);
    ASSERT_TRUE(WaitFor([&] { return session.help()->isVisible(); }));
    session.help()->hide();
    session.title()->hide();

    startNewGame("side.zgs", "Side", 0);
    game.state.Money = 5'000;
    session.refresh();
    session.mainWindow()->activateWindow();
    ASSERT_TRUE(active(session.mainWindow()));

    // The statistics window keeps Esc to itself and stays; F1 there opens the help.
    key(Qt::Key_F6);
    ASSERT_TRUE(active(session.statistics()));
    key(Qt::Key_Escape);
    EXPECT_TRUE(session.statistics()->isVisible());
    helpFrom(session.statistics());
    key(Qt::Key_F6);
    ASSERT_TRUE(active(session.mainWindow()));

    chooseMenu('A', {"Buy1"});
    ASSERT_TRUE(active(session.mart()));
    key(Qt::Key_Escape);
    EXPECT_FALSE(session.mart()->isVisible());
    EXPECT_EQ(game.state.Money, 5'000u);

    // The Game Corner: a bet typed, the arrows choose, Enter draws; Esc
    // waits while the numbers flicker and closes the window afterwards.
    TFormB* corner = session.gameCorner();
    chooseMenu('A', {"GameCorner1"});
    ASSERT_TRUE(active(corner));
    ASSERT_EQ(QApplication::focusWidget(), corner->findChild<QWidget*>("SpinEdit1"));
    QTest::keyClicks(QApplication::focusWidget(), "100");
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), corner->prizeEntry(0));
    key(Qt::Key_Down);
    EXPECT_EQ(game.screens.gameCorner.prizeKind, 1);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), corner->numberEntry(0));
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(game.screens.gameCorner.pickedNumber, 2);
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), corner->findChild<QPushButton*>("Button1"));
    key(Qt::Key_Return);
    ASSERT_TRUE(DrawInProgress(game));
    key(Qt::Key_Escape);
    EXPECT_TRUE(corner->isVisible());
    ASSERT_TRUE(WaitFor([&] { return !DrawInProgress(game); }, 10'000));
    EXPECT_EQ(QApplication::focusWidget(), corner->findChild<QPushButton*>("Button1"));
    key(Qt::Key_Escape);
    EXPECT_FALSE(corner->isVisible());
}

TEST_F(KeyboardPlay, AMenuOpenedWithAltStaysOpenWhenTheAltPressComesLate) {
    startNewGame("menu.zgs", "Menu", 0);
    session.refresh();
    session.mainWindow()->activateWindow();
    ASSERT_TRUE(active(session.mainWindow()));
    // Alt held and A through the window, as a desktop delivers them.
    QWindow* window = session.mainWindow()->windowHandle();
    QTest::keyPress(window, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    // A screen reader hands the Alt pressed before the A on afterwards.
    QKeyEvent late(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(menu, &late);
    EXPECT_TRUE(menu->isVisible());
    // Once Alt is up, Alt closes the menu as ever.
    QTest::keyRelease(window, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(menu, Qt::Key_Alt);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(KeyboardPlay, EachKeyMovesTheFocusOnceAndF6ActivatesOneWindow) {
    Game& game = session.game();
    FocusTrail trail;
    session.title()->show();
    ASSERT_TRUE(active(session.title()));
    trail.clear();
    key(Qt::Key_Tab);
    EXPECT_EQ(trail.focused(), QList<QWidget*>{QApplication::focusWidget()});
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "LoadButton");
    session.title()->hide();

    startNewGame("trail.zgs", "Trail", 1);
    game.state.RosterLevel[1] = 40;
    game.state.RosterExp[1] = 64'000;
    session.refresh();
    session.mainWindow()->activateWindow();
    ASSERT_TRUE(active(session.mainWindow()));

    // F6 there and back: each press one window, and the roster's focus.
    for (int round = 0; round < 2; ++round) {
        trail.clear();
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.statistics()));

        QTest::qWait(50);
        EXPECT_EQ(trail.activated(), QList<QWidget*>{session.statistics()});
        EXPECT_EQ(trail.focused(), QList<QWidget*>{session.statistics()->rosterList()});
        trail.clear();
        key(Qt::Key_F6);
        ASSERT_TRUE(active(session.mainWindow()));
        QTest::qWait(50);
        EXPECT_EQ(trail.activated(), QList<QWidget*>{session.mainWindow()});
        // Back in the main window the keyboard is on one of its controls,
        // not left behind in the roster.
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->window(), session.mainWindow());
        EXPECT_EQ(trail.focused(), QList<QWidget*>{QApplication::focusWidget()});
    }

    // A wild battle: once the fighter is out, the keyboard comes back to the
    // first attack in one step; each arrow and Tab moves it once; "End Fight"
    // takes it once when the battle is over.
    answerWithKeys(1);
    chooseMenu('A', {"FightWild1", "FindZRKN1"});
    ASSERT_TRUE(boxesDone());
    keyTarget();
    trail.clear();
    chooseFighter(2);
    BattleArena* arena = session.mainWindow()->arena();
    QTest::qWait(50);
    EXPECT_EQ(trail.activated().count(session.mainWindow()), 1);
    QList<QWidget*> inMain;
    for (QWidget* w : trail.focused())
        if (w->window() == session.mainWindow()) inMain.push_back(w);
    EXPECT_EQ(inMain, QList<QWidget*>{arena->attackItem(0)});
    const std::pair<Qt::Key, QWidget*> moves[] = {{Qt::Key_Down, arena->attackItem(1)},
                                                  {Qt::Key_Down, arena->attackItem(2)},
                                                  {Qt::Key_Up, arena->attackItem(1)},
                                                  {Qt::Key_Tab, arena->goButton()}};
    for (auto [k, expected] : moves) {
        trail.clear();
        key(k);
        EXPECT_EQ(trail.focused(), QList<QWidget*>{expected});
    }
    trail.clear();
    for (int turn = 0; turn < 200 && arena->goButton()->isVisible(); ++turn) key(Qt::Key_Return);
    ASSERT_TRUE(arena->endButton()->isVisible());
    EXPECT_EQ(trail.focused(), QList<QWidget*>{arena->endButton()});
    EXPECT_TRUE(trail.activated().isEmpty());
    // After the battle the main window's hint holds the keyboard.
    trail.clear();
    key(Qt::Key_Return);
    ASSERT_FALSE(arena->isVisible());
    EXPECT_EQ(trail.focused(),
              QList<QWidget*>{session.mainWindow()->findChild<QWidget*>("IdleHint")});
}

TEST_F(KeyboardPlay, EveryBattleLineAndTheLuckyNumberAreSpokenOnceWhereTheKeyboardIs) {
    ScreenReaderBus reader;
    ASSERT_TRUE(reader.listening());
    Game& game = session.game();
    startNewGame("speech.zgs", "Speech", 1);
    game.state.RosterLevel[1] = 40;
    game.state.RosterExp[1] = 64'000;
    session.refresh();
    const QString fighter = QString::fromStdString(session.data().SpeciesNames[4]);

    // A wild battle by keys: every line the log shows is spoken, once and in
    // order, and each turn's lines where the keyboard stays, on "Go!". The
    // reader has walked the menu: its commands are objects of their own.
    QAction* search = session.mainWindow()->menuAction(MenuItem::FindZRKN1);
    for (QObject* holder : search->associatedObjects())
        if (QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(holder))
            for (int i = 0; i < menu->childCount(); ++i) menu->child(i);
    answerWithKeys(1);
    chooseMenu('A', {"FightWild1", "FindZRKN1"});
    ASSERT_TRUE(boxesDone());
    chooseFighter(2);
    fightToTheEnd();
    BattleArena* arena = session.mainWindow()->arena();
    const QStringList log = session.battleLog()->lines();
    ASSERT_GT(log.size(), 4);
    // The starter's line went to the log before the battle, which cleared it.
    const QStringList spoken = QStringList{fighter + " has been added to the ZORIDEX!"} + log;
    ASSERT_TRUE(WaitFor([&] {
        return reader.texts().size() >= spoken.size() && reader.stillSpeaking().isEmpty();
    })) << reader.spoken().toStdString();
    EXPECT_EQ(reader.spoken().toStdString(), spoken.join(" | ").toStdString());
    // The battle opens while the screen reader is still on the menu command
    // that started it: the command says the first line.
    EXPECT_TRUE(reader.textsBy(search).contains(log.first())) << log.first().toStdString();
    const QStringList byGo = reader.textsBy(arena->goButton());
    EXPECT_TRUE(byGo.contains(log.value(3))) << log.value(3).toStdString();
    EXPECT_TRUE(byGo.contains(log.last())) << log.last().toStdString();
    // Every object the game spoke through has its own description back.
    EXPECT_EQ(reader.stillSpeaking(), QStringList());

    // F7 speaks the last move again, each further press the move before it,
    // back to the first, which it then repeats.
    qsizetype unheard = log.size();
    for (int press = 0; press <= log.size() && unheard > 0; ++press) {
        reader.heard.clear();
        key(Qt::Key_F7);
        ASSERT_TRUE(WaitFor([&] { return reader.settled(); }));
        const QStringList move = reader.texts();
        ASSERT_LE(move.size(), unheard) << reader.spoken().toStdString();
        EXPECT_EQ(log.mid(unheard - move.size(), move.size()), move)
            << reader.spoken().toStdString();
        unheard -= move.size();
    }
    EXPECT_EQ(unheard, 0);
    reader.heard.clear();
    key(Qt::Key_F7);
    ASSERT_TRUE(WaitFor([&] { return reader.settled(); }));
    EXPECT_EQ(reader.spoken(), log.first());
    key(Qt::Key_Return);
    ASSERT_FALSE(arena->isVisible());

    // A Game Corner draw: the keyboard stays on "Draw number!" while the
    // numbers flicker, and the lucky number is spoken once, at the reveal.
    TFormB* corner = session.gameCorner();
    chooseMenu('A', {"GameCorner1"});
    ASSERT_TRUE(active(corner));
    corner->prizeEntry(0)->click();
    corner->numberEntry(3)->click();
    corner->drawButton()->setFocus();
    reader.heard.clear();
    KeyAnswers prize;
    key(Qt::Key_Return);
    ASSERT_TRUE(DrawInProgress(game));
    EXPECT_EQ(QApplication::focusWidget(), corner->drawButton());
    ASSERT_TRUE(WaitFor([&] { return !DrawInProgress(game); }, 10'000));
    EXPECT_EQ(QApplication::focusWidget(), corner->drawButton());
    ASSERT_TRUE(WaitFor([&] { return reader.settled(); }));
    const int lucky = game.screens.gameCorner.luckyNumber;
    EXPECT_EQ(reader.spoken(), QString("Lucky number: %1.").arg(lucky));
    EXPECT_EQ(reader.textsBy(corner->drawButton()).size(), 1);
    EXPECT_EQ(prize.texts.size(), lucky == 3 ? 2 : 0);
}

}  // namespace
}  // namespace zorikan

#include "keyboard_play_test.moc"
