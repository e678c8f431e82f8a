#include "app/game_session.h"
#include "app/collection_menus.h"
#include "app/event_loop.h"
#include "app/progress_menus.h"
#include "app/shop_menus.h"
#include "app/side_menus.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QScreen>
#include <algorithm>
#include <iterator>
#include <optional>
#include <type_traits>

#include "core/data/evolution_line.h"
#include "core/game/freshen.h"
#include "core/saves/window_placement.h"
#include "core/text/catalogue.h"
#include "painter/creature_images.h"
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
#include "ui/keyboard_play.h"
#include "ui/music_player.h"
#include "ui/place_window.h"
#include "ui/system_files.h"
#include "ui/window_roles.h"

namespace zorikan {

namespace {

QIcon ProgramIcon() {
    // The icon is a PNG, which Qt reads itself. Left to guess, the reader
    // would first load every image format plugin (and the JPEG library) to
    // ask each whether it reads PNG.
    QImageReader reader(":/icons/zorikan.png", "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

// Where a window stands when it shows.
enum class Placing {
    Own,             // where the window system or the game's start (placeWindows) puts it
    BelowMain,       // first below the main window, then where the player puts it
    ClearOfMenuBar,  // clear of the main window's menu bar and the window in use
};

// What the session knows of a window besides its class.
struct WindowFacts {
    std::optional<Window> role;  // the rules' name for it, if they show it
    // Back from a minimise when the game shows its windows for the player's
    // next step (F6, a battle's start).
    bool comesBack = false;
    // Shown by the game, it becomes the active window: a side window the
    // player opens; the battle log and the statistics leave the keyboard
    // with the battle.
    bool takesKeyboard = false;
    // The player hides it (its button, Esc, the window manager's close): the
    // model learns at once that it is gone.
    bool playerHides = false;
    Placing placing = Placing::Own;
};

// How the session builds one of the windows after the title, draws it from
// the model when the window has a drawing of its own, and what else it knows.
struct LaterWindow {
    std::unique_ptr<QWidget> (*make)(GameSession& session);
    void (*render)(QWidget& window);  // nullptr: nothing of the model to draw
    WindowFacts facts;
};

template <typename W>
std::unique_ptr<QWidget> Make(GameSession& session) {
    if constexpr (std::is_constructible_v<W, WindowHost&>)
        return std::make_unique<W>(session);
    else
        return std::make_unique<W>();
}

template <typename W>
constexpr LaterWindow Later(WindowFacts facts = {}) {
    if constexpr (requires(W & w) { w.render(); })
        return {&Make<W>, [](QWidget& w) { static_cast<W&>(w).render(); }, facts};
    else
        return {&Make<W>, nullptr, facts};
}

// The windows after the loader and the title, in their fixed order of
// creation; each is drawn at every refresh in this order. A window the rules
// show is a row here with its rules' name, and its class.
constexpr LaterWindow kLaterWindows[] = {
    Later<TAboutBox>(),
    Later<TForm4>({.role = Window::Main, .comesBack = true}),
    Later<TForm7>({.role = Window::BattleLog, .comesBack = true}),
    Later<TForm8>({.role = Window::Zoridex,
                   .comesBack = true,
                   .takesKeyboard = true,
                   .playerHides = true,
                   .placing = Placing::ClearOfMenuBar}),
    Later<TForm9>({.role = Window::Mart,
                   .comesBack = true,
                   .takesKeyboard = true,
                   .playerHides = true,
                   .placing = Placing::BelowMain}),
    Later<TForm5>({.role = Window::Statistics, .comesBack = true}),
    Later<TOKRightDlg>(),
    Later<TFormA>({.role = Window::TypeComparisons,
                   .comesBack = true,
                   .takesKeyboard = true,
                   .playerHides = true}),
    Later<TFormB>({.role = Window::GameCorner,
                   .comesBack = true,
                   .takesKeyboard = true,
                   .playerHides = true,
                   .placing = Placing::BelowMain}),
};

// What the session does to a window as the game shows or hides it goes by the
// rules' name: a window without one is the player's alone.
// (std::all_of over begin and end: the web build's library has no ranges::all_of.)
static_assert(std::all_of(std::begin(kLaterWindows), std::end(kLaterWindows),
                          [](const LaterWindow& w) {
                              return w.facts.role || !(w.facts.comesBack || w.facts.takesKeyboard ||
                                                       w.facts.playerHides);
                          }));

const WindowFacts* FactsOf(Window which) {
    for (const LaterWindow& kind : kLaterWindows)
        if (kind.facts.role == which) return &kind.facts;
    return nullptr;
}

// Puts `window`, which shows, where its row says; `placed` tells whether it
// was placed before and becomes true once it is.
void Place(QWidget* window, Placing placing, bool& placed, QWidget* main) {
    switch (placing) {
        case Placing::Own:
            return;
        case Placing::BelowMain:
            // The first opening stands below the main window; later the
            // player's place is kept. The Mart and the Game Corner first open
            // at the same place: the second steps aside, so that it does not
            // hide the first whole.
            if (!placed) ui::PlaceBelow(window, main);
            placed = true;
            ui::StepClearOf(window);
            return;
        case Placing::ClearOfMenuBar: {
            // The game opens the ZORIDEX by itself for a new species: it never
            // covers the main window's menu bar or the window the player is in.
            if (!main->isVisible()) return;
            QList<QRect> clearOf{ui::MenuBarStrip(main)};
            const QWidget* inUse = QApplication::activeWindow();
            if (inUse && inUse != window && inUse->isVisible()) clearOf << ui::FrameOf(inUse);
            ui::PlaceClearOf(window, main, clearOf, placed);
            placed = true;
            return;
        }
    }
}

}  // namespace

template <typename W>
W* GameSession::existing() const {
    for (const LaterBuilt& built : later_)
        if (auto* found = dynamic_cast<W*>(built.window.get())) return found;
    return nullptr;
}

template <typename W>
W* GameSession::built() {
    buildWindows();
    return existing<W>();
}

GameSession::GameSession(QStringList arguments, QString dataFolder)
    : arguments_(std::move(arguments)),
      dataFolder_(std::move(dataFolder)),
      game_(data_, port_, random_) {
    // The system's separator, not the game language's (the default locale).
    const QString point = QLocale::system().decimalPoint();
    game_.screens.decimalSeparator = point.size() == 1 ? point.at(0).toLatin1() : '.';
    images_ = std::make_unique<painter::CreatureImages>(
        [this](int species) {
            return std::pair<int, int>(data_.SpeciesType1[species], data_.SpeciesType2[species]);
        },
        [this](int species) {
            const EvolutionLine line = LineOf(data_, species);
            return painter::CreatureLine{line.root, line.stage, line.stages};
        });

    port_.beforeBox = [this] { refresh(); };
    port_.appendLog = [this](const QString& line) { battleLog()->append(line); };
    port_.clearLog = [this] { battleLog()->clear(); };
    port_.window = [this](Window which) { return window(which); };
    port_.takesKeyboard = [](Window which) {
        const WindowFacts* facts = FactsOf(which);
        return facts && facts->takesKeyboard;
    };
    port_.boxParent = [this]() -> QWidget* {
        TForm4* main = existing<TForm4>();
        return main && main->isVisible() ? static_cast<QWidget*>(main) : loader_.get();
    };

    ui::InstallWindowRoles();
    ui::InstallKeyboardPlay(this, [this] { help()->openTopic("Index"); });
    ui::InstallScreenKeeper(this);
    // The windows in their fixed order of creation: the two the player sees
    // first now, the others once the title window is on screen.
    loader_ = std::make_unique<TForm3>(*this);
    title_ = std::make_unique<TForm1>(*this);
    title_->installEventFilter(this);
}

void GameSession::buildWindows() {
    if (windowsBuilt_) return;
    windowsBuilt_ = true;
    // The program's icon waits for these windows: reading it and sending it
    // to the display with the loader and the title cost the title window a
    // tenth of its way to the screen. Set for the whole program, it reaches
    // every window, those two included, a moment after the title shows.
    QApplication::setWindowIcon(ProgramIcon());
    for (const LaterWindow& kind : kLaterWindows) {
        later_.push_back({kind.make(*this)});
        if (kind.facts.playerHides || kind.facts.placing != Placing::Own)
            later_.back().window->installEventFilter(this);
    }
    music_ = std::make_unique<ui::MusicPlayer>(
        [this] { return game_.screens.menus.isChecked(kRepeatMusic); },
        [this](const QString& text) { port_.error(text.toStdString()); });
    ConnectSideMenus(*this);
    ConnectCollectionMenus(*this);
    ConnectShopMenus(*this);
    ConnectProgressMenus(*this);
}

bool GameSession::eventFilter(QObject* watched, QEvent* event) {
    // The title window's first paint is on its way to the screen: build the
    // other windows as soon as the event loop is free, ahead of any click.
    if (watched == title_.get() && event->type() == QEvent::Paint) {
        title_->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { buildWindows(); }, Qt::QueuedConnection);
    }
    for (std::size_t i = 0; i < later_.size(); ++i) {
        if (watched != later_[i].window.get()) continue;
        const WindowFacts& facts = kLaterWindows[i].facts;
        // However the window went away, the game knows it is hidden.
        if (event->type() == QEvent::Hide && facts.playerHides)
            game_.screens.visible[static_cast<int>(*facts.role)] = false;
        if (event->type() == QEvent::Show && facts.placing != Placing::Own) {
            // The window readies itself for the show first (the ZORIDEX fills
            // its list, which sets its size); it is placed before it reaches
            // the screen.
            watched->event(event);
            Place(later_[i].window.get(), facts.placing, later_[i].placed, mainWindow());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

GameSession::~GameSession() {
    // The windows go in the reverse order of their creation.
    help_.reset();
    music_.reset();
    while (!later_.empty()) later_.pop_back();
    title_.reset();
    loader_.reset();
}

TAboutBox* GameSession::about() {
    return built<TAboutBox>();
}
TForm4* GameSession::mainWindow() {
    return built<TForm4>();
}
TForm7* GameSession::battleLog() {
    return built<TForm7>();
}
TForm8* GameSession::zoridex() {
    return built<TForm8>();
}
TFormA* GameSession::typeComparisons() {
    return built<TFormA>();
}
TForm9* GameSession::mart() {
    return built<TForm9>();
}
TFormB* GameSession::gameCorner() {
    return built<TFormB>();
}
TForm5* GameSession::statistics() {
    return built<TForm5>();
}
TOKRightDlg* GameSession::nameDialog() {
    return built<TOKRightDlg>();
}

void GameSession::start() {
    loader_->startLoading();
}

void GameSession::refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    buildWindows();
    Freshen(game_);
    for (std::size_t i = 0; i < later_.size(); ++i)
        if (kLaterWindows[i].render) kLaterWindows[i].render(*later_[i].window);
    // Every action ends here: the saved game follows it. A box it opens finds
    // the windows drawn already.
    if (!savesHeld_ && !quitting_) autosave_.afterAction(game_);
    refreshing_ = false;
}

void GameSession::savesWritten() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            ui::KeepWrittenFiles();
            if (!savesHeld_ && !quitting_) autosave_.tellPlayer(game_);
        },
        Qt::QueuedConnection);
}

void GameSession::holdSaves(bool hold) {
    savesHeld_ = hold;
    if (hold) saveWriter_.wait();
}

WindowHost::Opening GameSession::openSavedGame(const std::string& file,
                                               const std::function<bool()>& open) {
    if (savedGameLock_.covers(file)) return open() ? Opening::Opened : Opening::Failed;
    SavedGameLock lock;
    if (!lock.take(file)) {
        port_.error(Text(text::kSavedGameInUse));
        return Opening::InUseElsewhere;
    }
    if (!open()) return Opening::Failed;
    // The game that was in play, if any, lets go of its file.
    savedGameLock_ = std::move(lock);
    return Opening::Opened;
}

void GameSession::placeWindows(bool loadedGame) {
    buildWindows();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const WindowPlacement p = PlaceWindows(screen.width(), screen.height(), loadedGame);
    // The places are those of the frames, whether the windows show yet or not.
    ui::MoveFrame(mainWindow(), {p.mainLeft, p.mainTop});
    ui::MoveFrame(statistics(), {p.statisticsLeft, p.statisticsTop});
    ui::MoveFrame(battleLog(), {p.battleLogLeft, p.battleLogTop});
}

void GameSession::bringBackWindows() {
    buildWindows();
    // The windows the player works in come back last, in front of the game's own.
    for (const bool playersOwn : {false, true})
        for (std::size_t i = 0; i < later_.size(); ++i) {
            const WindowFacts& facts = kLaterWindows[i].facts;
            if (!facts.comesBack || facts.takesKeyboard != playersOwn) continue;
            QWidget* shown = later_[i].window.get();
            if (game_.isVisible(*facts.role) && shown->isVisible() &&
                (shown->windowState() & Qt::WindowMinimized))
                ui::BringBack(shown);
        }
}

void GameSession::quit(int exitCode) {
    quitting_ = true;
    // The game was saved on the way here; a save after an action must not follow it.
    saveWriter_.stop();
    ui::KeepWrittenFiles();
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    // Not QApplication::quit(): that asks every window to close first, and
    // the side windows refuse the player's close.
    EndEventLoop(exitCode);
}

ui::HelpWindow* GameSession::help() {
    if (!help_) help_ = std::make_unique<ui::HelpWindow>();
    return help_.get();
}

QWidget* GameSession::window(Window which) {
    if (which == Window::Loader) return loader_.get();
    if (which == Window::Title) return title_.get();
    buildWindows();
    for (std::size_t i = 0; i < later_.size(); ++i)
        if (kLaterWindows[i].facts.role == which) return later_[i].window.get();
    return nullptr;
}

}  // namespace zorikan
