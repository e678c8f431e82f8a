#include "screens/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>

#include "core/battle/turn.h"
#include "core/collection/game_corner.h"
#include "core/game/game.h"
#include "core/model/menu_layout.h"
#include "core/progress/wild_search.h"
#include "core/saves/closing_save.h"
#include "core/saves/new_game.h"
#include "core/text/message.h"
#include "painter/creature_images.h"
#include "screens/about_box.h"
#include "screens/battle_arena.h"
#include "screens/evolve_panel.h"
#include "screens/statistics_window.h"
#include "screens/wild_panel.h"
#include "screens/window_host.h"
#include "ui/help_window.h"
#include "ui/saved_game_dialog.h"

namespace zorikan {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TForm4::TForm4(WindowHost& session) : QMainWindow(nullptr), session_(session) {
    setObjectName("Form4");
    setWindowTitle(kGameTitle);
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    client_->setFixedSize(422, 270);
    // The arena is laid out to the pixel for the small dialog font.
    QFont small = client_->font();
    small.setPixelSize(11);
    client_->setFont(small);
    setCentralWidget(client_);
    buildMenus();
    buildStarterList();
    buildIdleHint();
    arena_ = new BattleArena(session, client_);
    wildPanel_ = new WildPanel(session, client_);
    evolvePanel_ = new EvolvePanel(session, client_);
    connectOwnMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm4::connectOwnMenus() {
    onMenu(MenuItem::FindZRKN1, [this] { FindZRKN1Click(session_.game()); });
    onMenu(MenuItem::Omnivar1, [this] { Omnivar1Click(session_.game()); });

    onMenu(MenuItem::Quit1, [this] { close(); });
    onMenu(MenuItem::About1, [this] { session_.about()->exec(); });
    onMenu(MenuItem::Contents1, [this] { session_.help()->openTopic("Index"); });
    onMenu(MenuItem::Statistics1, [this] { session_.statistics()->takeKeyboard(); });
    // The fighter and the items are chosen there, in battle too, when the
    // Actions menu is closed: the key works through the window itself.
    addAction(menuAction(MenuItem::Statistics1));
}

void TForm4::buildMenus() {
    // The layout lists a parent before its children.
    std::array<QMenu*, kMenuItemCount> menus{};
    for (const MenuEntry& entry : MainMenuLayout()) {
        const QString name = fromView(entry.name);
        const QString caption = QString::fromStdString(Text(entry.caption));
        QAction* action = nullptr;
        if (HasChildren(entry.item)) {
            QMenu* menu = !entry.parent ? new QMenu(caption, this)
                                        : menus[IndexOf(*entry.parent)]->addMenu(caption);
            if (!entry.parent && entry.item != kHiddenMenu) menuBar()->addMenu(menu);
            menu->setObjectName(name);
            menus[IndexOf(entry.item)] = menu;
            action = menu->menuAction();
        } else {
            action = menus[IndexOf(*entry.parent)]->addAction(caption);
            action->setCheckable(entry.checkable);
            if (!entry.shortcut.empty())
                action->setShortcut(QKeySequence(fromView(entry.shortcut)));
            connect(action, &QAction::triggered, this, [this, item = entry.item] {
                // A Game Corner draw is settled before any command counts.
                if (DrawInProgress(session_.game())) return;
                if (const auto& command = commands_[IndexOf(item)]) command();
                session_.refresh();
            });
        }
        action->setObjectName(name);
        actions_[IndexOf(entry.item)] = action;
    }
    // The hidden menu's short cuts still work through the window itself.
    for (QAction* action : menus[IndexOf(kHiddenMenu)]->actions()) addAction(action);
}

void TForm4::buildStarterList() {
    Label1 = new QLabel(tr("Select a starting ZORIKAN:"), client_);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 8, 300, 16);
    ListView1 = new QListWidget(client_);
    ListView1->setObjectName("ListView1");
    ListView1->setAccessibleName(tr("Starting ZORIKAN"));
    Label1->setBuddy(ListView1);
    ListView1->setGeometry(8, 28, 406, 234);
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setIconSize(QSize(64, 64));
    ListView1->setMouseTracking(true);
    ListView1->viewport()->setCursor(Qt::PointingHandCursor);
    ListView1->setStyleSheet("QListWidget::item:hover { text-decoration: underline; }");
    connect(ListView1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListView1Click(ListView1->row(item)); });
    connect(ListView1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ListView1Click(ListView1->row(item)); });
    Label1->hide();
    ListView1->hide();
}

void TForm4::onMenu(MenuItem item, std::function<void()> command) {
    commands_[IndexOf(item)] = std::move(command);
}

void TForm4::render() {
    const Game& game = session_.game();
    setWindowTitle(QString::fromStdString(game.screens.main.caption));
    for (const MenuEntry& entry : MainMenuLayout()) {
        QAction* action = menuAction(entry.item);
        action->setEnabled(game.screens.menus.isEnabled(entry.item));
        if (action->isCheckable()) action->setChecked(game.screens.menus.isChecked(entry.item));
    }
    const bool starters = game.phase == GamePhase::ChoosingStarter;
    if (starters && ListView1->count() == 0) {
        for (int species : kStarterSpecies)
            new QListWidgetItem(session_.images().icon(species - 1),
                                QString::fromStdString(game.data.SpeciesNames[species]), ListView1);
    }
    Label1->setVisible(starters);
    ListView1->setVisible(starters);
    arena_->render();
    wildPanel_->render();
    evolvePanel_->render();
    const MainWindowModel& main = game.screens.main;
    idleHint_->setVisible(!starters && !main.arena.visible && !main.wildPanel.visible &&
                          !main.evolveChoice.visible && !game.state.PlayerName.empty());
    // Between battles the hint holds the keyboard, so that a screen reader
    // reads it as the window comes back (F6) and a menu opened with Alt
    // stays open: with no control to hold it, the keyboard stayed behind
    // in the statistics window's roster.
    QWidget* focus = focusWidget();
    if (idleHint_->isVisible() && (!focus || !focus->isVisible())) idleHint_->setFocus();
}

void TForm4::buildIdleHint() {
    // Between battles the empty arena tells the player where to go next.
    idleHint_ = new QLabel(client_);
    idleHint_->setObjectName("IdleHint");
    idleHint_->setGeometry(24, 0, client_->width() - 48, client_->height());
    idleHint_->setAlignment(Qt::AlignCenter);
    idleHint_->setWordWrap(true);
    idleHint_->setText(
        //: Keep the markup; <br> breaks the lines of the hint in the empty arena.
        tr("<p style='font-family: Arial; font-size: 26px; color: #c0392b;'>"
           "ZORIKAN Simulator</p>"
           "<p style='font-size: 12px; color: #555;'>Choose a battle or "
           "the ZORIDEX from the <b>Actions</b> menu.<br>Double-click a creature "
           "in the Statistics window<br>to see how it is doing.<br><br>"
           "F6: to the Statistics window and back &nbsp;&middot;&nbsp; F1: help</p>"));
    idleHint_->setFocusPolicy(Qt::StrongFocus);
    idleHint_->hide();
}

SaveDialog TForm4::saveDialog() {
    return [this](const std::string& suggestion) {
        return ui::AskForSavedGame(this, ui::SavedGameDialog::Save,
                                   QString::fromStdString(suggestion))
            .toStdString();
    };
}

QString TForm4::chooseSaveFile() {
    return QString::fromStdString(ChooseSaveFile(session_.game(), saveDialog()));
}

void TForm4::ListView1Click(int entry) {
    if (entry < 0) return;
    ChooseStarter(session_.game(), entry);
    session_.refresh();
    activateWindow();
}

bool TForm4::FormClose() {
    // The save after the last action is on disk before the close's own.
    session_.holdSaves(true);
    // Walking out of a tournament costs its penalty before the game is saved.
    ClosingMainWindow(session_.game());
    // A failed save offers another file, quitting without saving, or staying.
    const bool close = SaveAtClose(session_.game(), saveDialog()) == AfterClose::Close;
    if (!close) session_.holdSaves(false);
    session_.refresh();
    return close;
}

void TForm4::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // The game on show in the Game Corner is paid before the game is saved.
    if (DrawInProgress(session_.game()) || !FormClose()) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
    session_.quit();
}

}  // namespace zorikan
