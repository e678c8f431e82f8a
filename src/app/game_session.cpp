#include "app/game_session.h"
#include "app/collection_menus.h"
#include "app/progress_menus.h"
#include "app/shop_menus.h"
#include "app/side_menus.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QScreen>
#include <QThread>
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

// How the session builds one of the windows after the title, and draws it
// from the model when the window has a drawing of its own.
struct LaterWindow {
    std::unique_ptr<QWidget> (*make)(GameSession& session);
    void (*render)(QWidget& window);  // nullptr: nothing of the model to draw
    std::optional<Window> role;       // the rules' name for it, if they show it
};

template <typename W>
std::unique_ptr<QWidget> Make(GameSession& session) {
    if constexpr (std::is_constructible_v<W, WindowHost&>)
        return std::make_unique<W>(session);
    else
        return std::make_unique<W>();
}

template <typename W>
constexpr LaterWindow Later(std::optional<Window> role = std::nullopt) {
    if constexpr (requires(W & w) { w.render(); })
        return {&Make<W>, [](QWidget& w) { static_cast<W&>(w).render(); }, role};
    else
        return {&Make<W>, nullptr, role};
}

// The windows after the loader and the title, in their fixed order of
// creation; each is drawn at every refresh in this order.
const LaterWindow kLaterWindows[] = {
    Later<TAboutBox>(),
    Later<TForm4>(Window::Main),
    Later<TForm7>(Window::BattleLog),
    Later<TForm8>(Window::Zoridex),
    Later<TForm9>(Window::Mart),
    Later<TForm5>(Window::Statistics),
    Later<TOKRightDlg>(),
    Later<TFormA>(Window::TypeComparisons),
    Later<TFormB>(Window::GameCorner),
};

}  // namespace

template <typename W>
W* GameSession::existing() const {
    for (const auto& window : later_)
        if (auto* found = dynamic_cast<W*>(window.get())) return found;
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
    for (const LaterWindow& kind : kLaterWindows) later_.push_back(kind.make(*this));
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
        if (kLaterWindows[i].render) kLaterWindows[i].render(*later_[i]);
    // Every action ends here: the saved game follows it. A box it opens finds
    // the windows drawn already.
    if (!savesHeld_ && !quitting_) autosave_.afterAction(game_);
    refreshing_ = false;
}

void GameSession::savesWritten() {
    QMetaObject::invokeMethod(
        this,
        [this] {
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
    for (Window which : {Window::Main, Window::BattleLog, Window::Statistics, Window::Zoridex,
                         Window::Mart, Window::TypeComparisons, Window::GameCorner}) {
        QWidget* shown = window(which);
        if (game_.isVisible(which) && shown->isVisible() &&
            (shown->windowState() & Qt::WindowMinimized))
            ui::BringBack(shown);
    }
}

void GameSession::quit(int exitCode) {
    quitting_ = true;
    // The game was saved on the way here; a save after an action must not follow it.
    saveWriter_.stop();
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    // Not QApplication::quit(): that asks every window to close first, and
    // the side windows refuse the player's close. Without a running loop (a
    // session driven by hand) there is nothing to end: asking anyway would
    // make every later loop of the process return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(exitCode);
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
        if (kLaterWindows[i].role == which) return later_[i].get();
    return nullptr;
}

}  // namespace zorikan
