#pragma once
// One run of the program: the game data, the random source, the game and its
// windows, created once in their fixed order and then only shown and hidden.
// The loader and the title come first; the others follow once the title has
// been painted, or as soon as anything asks for one of them.

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/data/game_data.h"
#include "core/data/saved_game_lock.h"
#include "core/game/game.h"
#include "core/saves/autosave.h"
#include "core/saves/save_writer.h"
#include "core/shared/random.h"
#include "screens/window_host.h"
#include "ui/qt_player_port.h"

class QWidget;

namespace zorikan {

namespace painter {
class CreatureImages;
}  // namespace painter

namespace ui {
class HelpWindow;
class MusicPlayer;
}  // namespace ui

class TForm1;
class TForm3;
class TForm4;
class TForm5;
class TForm7;
class TForm8;
class TForm9;
class TFormA;
class TFormB;
class TAboutBox;
class TOKRightDlg;

class GameSession : public QObject, public WindowHost {
    Q_OBJECT

public:
    GameSession(QStringList arguments, QString dataFolder);
    ~GameSession() override;

    Game& game() override { return game_; }
    GameData& data() override { return data_; }
    SeededRandom& random() override { return random_; }
    painter::CreatureImages& images() override { return *images_; }
    const QStringList& arguments() const override { return arguments_; }
    const QString& dataFolder() const override { return dataFolder_; }

    // Shows the loader, whose timer starts the data load.
    void start();
    // Redraws every window from the model; runs after each action of the
    // player and before every message box.
    void refresh() override;
    // Places the windows of a game that starts (new) or was loaded.
    void placeWindows(bool loadedGame) override;
    void bringBackWindows() override;
    // Ends the program with `exitCode`: every window goes away and the event
    // loop, with any box open in it, returns. Nothing is saved here; the
    // close of the main window has done that already.
    void quit(int exitCode = 0) override;
    bool quitting() const { return quitting_; }
    Opening openSavedGame(const std::string& file, const std::function<bool()>& open) override;
    void holdSaves(bool hold) override;
    // Returns once every save after an action handed over so far is written.
    void waitForSaves() { saveWriter_.wait(); }

    TForm3* loader() { return loader_.get(); }
    TForm1* title() override { return title_.get(); }
    // Each of these first builds the windows that follow the title, if they
    // are not built yet: to the caller they have always been there.
    TAboutBox* about() override;
    TForm4* mainWindow() override;
    TForm7* battleLog();
    TForm8* zoridex();
    TFormA* typeComparisons();
    TForm9* mart();
    TFormB* gameCorner();
    ui::MusicPlayer& music() {
        buildWindows();
        return *music_;
    }
    TForm5* statistics() override;
    TOKRightDlg* nameDialog() override;
    ui::HelpWindow* help() override;

    QWidget* window(Window which);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builds, once, the windows after the loader and the title, in their
    // fixed order (the table in game_session.cpp), and wires the menus to them.
    void buildWindows();
    // A window after the title, and whether the session has placed it yet.
    struct LaterBuilt {
        std::unique_ptr<QWidget> window;
        bool placed = false;
    };
    // Runs on the writer's thread: the player hears of it on the window thread.
    void savesWritten();
    // The window of class W among those built so far; nullptr before.
    template <typename W>
    W* existing() const;
    template <typename W>
    W* built();

    QStringList arguments_;
    QString dataFolder_;
    GameData data_;
    SeededRandom random_;
    ui::QtPlayerPort port_;
    Game game_;
    std::unique_ptr<painter::CreatureImages> images_;
    bool refreshing_ = false;
    bool quitting_ = false;
    bool windowsBuilt_ = false;
    bool savesHeld_ = false;
    // The saved game in play, kept to this copy, and its save after every
    // action; the writer wakes the session when a write is done.
    SavedGameLock savedGameLock_;
    SaveWriter saveWriter_{[this] { savesWritten(); }};
    Autosave autosave_{saveWriter_};

    std::unique_ptr<TForm3> loader_;
    std::unique_ptr<TForm1> title_;
    // The windows after the title, in their order of creation.
    std::vector<LaterBuilt> later_;
    std::unique_ptr<ui::MusicPlayer> music_;
    std::unique_ptr<ui::HelpWindow> help_;
};

}  // namespace zorikan
