#include "screens/title_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "core/game/game.h"
#include "core/saves/command_line.h"
#include "core/saves/new_game.h"
#include "core/saves/save_load.h"
#include "screens/about_box.h"
#include "screens/main_window.h"
#include "screens/name_dialog.h"
#include "screens/window_host.h"
#include "ui/game_banner.h"
#include "ui/help_window.h"
#include "ui/saved_game_dialog.h"

namespace zorikan {

namespace {
constexpr int kButtonWidth = 536;
constexpr int kButtonHeight = 65;
constexpr int kMargin = 8;
}  // namespace

TForm1::TForm1(WindowHost& session) : QWidget(nullptr), session_(session) {
    setObjectName("Form1");
    setWindowTitle(kGameTitle);
    ui::PaintYellow(this);
    QLabel* title = ui::NewBanner(kGameTitle, 43, this);
    title->setGeometry(kMargin, 0, kButtonWidth, 45);

    connect(addButton("NewButton", tr("Start a new game!"), 45), &QPushButton::clicked, this,
            &TForm1::NewButtonClick);
    connect(addButton("LoadButton", tr("Load a saved game..."), 109), &QPushButton::clicked, this,
            &TForm1::LoadButtonClick);
    connect(addButton("HelpButton", tr("Help!"), 173), &QPushButton::clicked, this,
            &TForm1::HelpButtonClick);
    connect(addButton("AboutButton", tr("About..."), 237), &QPushButton::clicked, this,
            &TForm1::AboutButtonClick);
    connect(addButton("ExitButton", tr("Exit"), 301), &QPushButton::clicked, this,
            &TForm1::ExitButtonClick);

    setFixedSize(kButtonWidth + 2 * kMargin, 301 + kButtonHeight + kMargin);
    move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

QPushButton* TForm1::addButton(const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(kMargin, top, kButtonWidth, kButtonHeight);
    QFont f = button->font();
    f.setPixelSize(18);
    button->setFont(f);
    return button;
}

void TForm1::afterLoading() {
    std::vector<std::string> parameters;
    for (const QString& argument : session_.arguments())
        parameters.push_back(argument.toStdString());
    const auto file = SavedGameToLoad(parameters, [](const std::string& path) {
        return QFileInfo(QString::fromStdString(path)).isFile();
    });
    const WindowHost::Opening opening =
        file ? openGame(QString::fromStdString(*file)) : WindowHost::Opening::Failed;
    // A game another copy plays is not this copy's to start with: it ends.
    if (opening == WindowHost::Opening::InUseElsewhere) session_.quit(1);
    // After a failed load the title window offers a new game or another file.
    if (opening == WindowHost::Opening::Failed) show();
}

WindowHost::Opening TForm1::openGame(const QString& file) {
    // Placed before they show, the windows stand where a new game puts them,
    // frames and all; a failed load leaves them hidden.
    session_.placeWindows(true);
    const std::string path = file.toStdString();
    const WindowHost::Opening opening =
        session_.openSavedGame(path, [&] { return zorikan::LoadGame(session_.game(), path); });
    if (opening == WindowHost::Opening::Opened) {
        session_.refresh();
        // The loaded game goes on in the main window, where its menus are,
        // whichever window the system would give the keyboard to.
        session_.mainWindow()->activateWindow();
    }
    return opening;
}

void TForm1::NewButtonClick() {
    const QString file = session_.mainWindow()->chooseSaveFile();
    if (file.isEmpty()) return;
    Game& game = session_.game();
    const std::string path = file.toStdString();
    const auto begun = session_.openSavedGame(path, [&] {
        BeginNewGame(game, path);
        return true;
    });
    if (begun != WindowHost::Opening::Opened) return;
    QString name = session_.nameDialog()->askName();
    TakePlayerName(game, name.toStdString());
    session_.placeWindows(false);
    game.setVisible(Window::Main, true);
    ShowStarterChoice(game);
    session_.refresh();
}

void TForm1::LoadButtonClick() {
    const QString file = ui::AskForSavedGame(this, ui::SavedGameDialog::Open, {},
                                             [this](const QString& chosen) { LoadGame(chosen); });
    if (!file.isEmpty()) LoadGame(file);
}

void TForm1::HelpButtonClick() {
    session_.help()->openTopic("Index");
}

void TForm1::AboutButtonClick() {
    session_.about()->exec();
}

void TForm1::ExitButtonClick() {
    session_.quit();
}

void TForm1::changeEvent(QEvent* event) {
    // Leaving the title window while a game is on screen puts it away.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() &&
        session_.mainWindow()->isVisible())
        hide();
    QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (event->spontaneous()) session_.quit();
}

}  // namespace zorikan
