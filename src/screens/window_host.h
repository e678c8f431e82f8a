#pragma once
// What a window needs of the running game: the game and its data, a redraw of
// every window, its sibling windows and the shared dialogs. The application's
// session implements it; a window never sees the session itself.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace zorikan {

struct Game;
struct GameData;
class SeededRandom;

namespace painter {
class CreatureImages;
}  // namespace painter

namespace ui {
class HelpWindow;
}  // namespace ui

class TAboutBox;
class TForm1;
class TForm4;
class TForm5;
class TOKRightDlg;

class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual Game& game() = 0;
    virtual GameData& data() = 0;
    virtual SeededRandom& random() = 0;
    virtual painter::CreatureImages& images() = 0;
    virtual const QStringList& arguments() const = 0;
    virtual const QString& dataFolder() const = 0;

    // Redraws every window from the model; runs after each action of the
    // player and before every message box.
    virtual void refresh() = 0;
    // Places the windows of a game that starts (new) or was loaded.
    virtual void placeWindows(bool loadedGame) = 0;
    // Brings every window the game shows back from a minimise (F6 and the
    // menu item that leads to the statistics window).
    virtual void bringBackWindows() = 0;
    // Ends the program with `exitCode`; nothing is saved here.
    virtual void quit(int exitCode = 0) = 0;

    // How bringing a saved game into play went.
    enum class Opening { Opened, Failed, InUseElsewhere };
    // Brings the saved game at `file` into play with `open` (true when it
    // did), keeping the file to this copy of the game. When another copy
    // holds it, a box says so and `open` is not called.
    virtual Opening openSavedGame(const std::string& file, const std::function<bool()>& open) = 0;
    // While held, nothing is written after an action, and holding waits for
    // the write in flight: a save of its own (the close's) never runs beside
    // one. A close that stays open lets go again.
    virtual void holdSaves(bool hold) = 0;

    virtual TForm1* title() = 0;
    virtual TAboutBox* about() = 0;
    virtual TForm4* mainWindow() = 0;
    virtual TForm5* statistics() = 0;
    virtual TOKRightDlg* nameDialog() = 0;
    virtual ui::HelpWindow* help() = 0;
};

}  // namespace zorikan
