#pragma once
// The main window: the menu bar, the starter list of a new game and the
// battle arena. Menu commands are looked up by their items.

#include <QMainWindow>
#include <array>
#include <functional>

#include "core/model/menu_item.h"
#include "core/saves/closing_save.h"

class QLabel;
class QListWidget;
class QMenu;

namespace zorikan {

class WindowHost;
class BattleArena;
class EvolvePanel;
class WildPanel;

class TForm4 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm4(WindowHost& session);

    void render();
    // Connects a menu item to what it does. After the command the windows
    // are redrawn.
    void onMenu(MenuItem item, std::function<void()> command);
    bool hasCommand(MenuItem item) const { return bool(commands_[IndexOf(item)]); }
    QAction* menuAction(MenuItem item) const { return actions_[IndexOf(item)]; }
    QWidget* clientArea() const { return client_; }
    QListWidget* starterList() const { return ListView1; }
    BattleArena* arena() const { return arena_; }
    WildPanel* wildPanel() const { return wildPanel_; }
    EvolvePanel* evolvePanel() const { return evolvePanel_; }

    // The save dialog of a new game, asked again until the file chosen can be
    // written; empty when cancelled.
    QString chooseSaveFile();

    void ListView1Click(int entry);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStarterList();
    void buildIdleHint();
    // The menu items the window answers itself; the session wires the others.
    void connectOwnMenus();
    // The close sequence; false keeps the window open.
    bool FormClose();
    // The save dialog as the close and the new game's choice open it.
    SaveDialog saveDialog();

    WindowHost& session_;
    QWidget* client_;
    QLabel* Label1;
    QListWidget* ListView1;
    QLabel* idleHint_;
    BattleArena* arena_;
    WildPanel* wildPanel_;
    EvolvePanel* evolvePanel_;
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<std::function<void()>, kMenuItemCount> commands_;
    bool closing_ = false;
};

}  // namespace zorikan
