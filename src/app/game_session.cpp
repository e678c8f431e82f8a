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

#include "core/collection/statistics.h"
#include "core/data/evolution_line.h"
#include "core/state/new_game.h"
#include "painter/creature_images.h"
#include "screens/about_box.h"
#include "screens/okright_dlg.h"
#include "screens/tform1.h"
#include "screens/tform3.h"
#include "screens/tform4.h"
#include "screens/tform5.h"
#include "screens/tform7.h"
#include "screens/tform8.h"
#include "screens/tform9.h"
#include "screens/tforma.h"
#include "screens/tformb.h"
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

}  // namespace

GameSession::GameSession(QStringList arguments, QString dataFolder)
    : arguments_(std::move(arguments)),
      dataFolder_(std::move(dataFolder)),
      game_(data_, port_, random_) {
    const QString point = QLocale().decimalPoint();
    game_.screens.decimalSeparator = point.size() == 1 ? point.at(0).toLatin1() : '.';
    images_ = std::make_unique<ui::CreatureImages>(
        [this](int species) {
            return std::pair<int, int>(data_.SpeciesType1[species], data_.SpeciesType2[species]);
        },
        [this](int species) {
            const EvolutionLine line = LineOf(data_, species);
            return ui::CreatureLine{line.root, line.stage, line.stages};
        });

    port_.beforeBox = [this] { refresh(); };
    port_.appendLog = [this](const QString& line) { battleLog()->append(line); };
    port_.clearLog = [this] { battleLog()->clear(); };
    port_.window = [this](Window which) { return window(which); };
    port_.boxParent = [this]() -> QWidget* {
        return main_ && main_->isVisible() ? static_cast<QWidget*>(main_) : loader_;
    };

    ui::InstallWindowRoles();
    ui::InstallKeyboardPlay(this, [this] { help()->openTopic("Index"); });
    ui::InstallScreenKeeper(this);
    // The windows in their fixed order of creation: the two the player sees
    // first now, the others once the title window is on screen.
    loader_ = new TForm3(*this);
    title_ = new TForm1(*this);
    title_->installEventFilter(this);
}

void GameSession::buildWindows() const {
    // The session is never a const object; only its accessors are const.
    if (!windowsBuilt_) const_cast<GameSession*>(this)->createWindows();
}

void GameSession::createWindows() {
    windowsBuilt_ = true;
    // The program's icon waits for these windows: reading it and sending it
    // to the display with the loader and the title cost the title window a
    // tenth of its way to the screen. Set for the whole program, it reaches
    // every window, those two included, a moment after the title shows.
    QApplication::setWindowIcon(ProgramIcon());
    about_ = new TAboutBox(*this);
    main_ = new TForm4(*this);
    battleLog_ = new TForm7();
    zoridex_ = new TForm8(*this);
    mart_ = new TForm9(*this);
    statistics_ = new TForm5(*this);
    nameDialog_ = new TOKRightDlg();
    typeComparisons_ = new TFormA(*this);
    gameCorner_ = new TFormB(*this);
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
    if (watched == title_ && event->type() == QEvent::Paint) {
        title_->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { buildWindows(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

GameSession::~GameSession() {
    delete help_;
    music_.reset();
    delete gameCorner_;
    delete typeComparisons_;
    delete nameDialog_;
    delete statistics_;
    delete mart_;
    delete zoridex_;
    delete battleLog_;
    delete main_;
    delete about_;
    delete title_;
    delete loader_;
}

void GameSession::start() {
    loader_->startLoading();
}

void GameSession::refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    buildWindows();
    Freshen(game_);
    main_->render();
    statistics_->render();
    zoridex_->render();
    typeComparisons_->render();
    mart_->render();
    gameCorner_->render();
    refreshing_ = false;
}

void GameSession::placeWindows(bool loadedGame) {
    buildWindows();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const WindowPlacement p = PlaceWindows(screen.width(), screen.height(), loadedGame);
    // The places are those of the frames, whether the windows show yet or not.
    ui::MoveFrame(main_, {p.mainLeft, p.mainTop});
    ui::MoveFrame(statistics_, {p.statisticsLeft, p.statisticsTop});
    ui::MoveFrame(battleLog_, {p.battleLogLeft, p.battleLogTop});
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
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    // Not QApplication::quit(): that asks every window to close first, and
    // the side windows refuse the player's close. Without a running loop (a
    // session driven by hand) there is nothing to end: asking anyway would
    // make every later loop of the process return at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(exitCode);
}

ui::HelpWindow* GameSession::help() {
    if (!help_) help_ = new ui::HelpWindow();
    return help_;
}

QWidget* GameSession::window(Window which) const {
    if (which != Window::Loader && which != Window::Title) buildWindows();
    switch (which) {
        case Window::Loader:
            return loader_;
        case Window::Title:
            return title_;
        case Window::Main:
            return main_;
        case Window::BattleLog:
            return battleLog_;
        case Window::Zoridex:
            return zoridex_;
        case Window::TypeComparisons:
            return typeComparisons_;
        case Window::Statistics:
            return statistics_;
        case Window::Mart:
            return mart_;
        case Window::GameCorner:
            return gameCorner_;
        default:
            return nullptr;
    }
}

}  // namespace zorikan
