#pragma once
// One run of the program: the game data, the random source, the game and its
// windows, created once in their fixed order and then only shown and hidden.
// The loader and the title come first; the others follow once the title has
// been painted, or as soon as anything asks for one of them.

#include <QObject>
#include <QStringList>
#include <memory>

#include "core/data/game_data.h"
#include "core/shared/game.h"
#include "core/shared/random.h"
#include "screens/window_host.h"
#include "ui/qt_player_port.h"

namespace zorikan {

namespace ui {
class CreatureImages;
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
    ui::CreatureImages& images() override { return *images_; }
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

    TForm3* loader() const { return loader_; }
    TForm1* title() const override { return title_; }
    // Each of these first builds the windows that follow the title, if they
    // are not built yet: to the caller they have always been there.
    TAboutBox* about() const override { return built(about_); }
    TForm4* mainWindow() const override { return built(main_); }
    TForm7* battleLog() const { return built(battleLog_); }
    TForm8* zoridex() const { return built(zoridex_); }
    TFormA* typeComparisons() const { return built(typeComparisons_); }
    TForm9* mart() const { return built(mart_); }
    TFormB* gameCorner() const { return built(gameCorner_); }
    ui::MusicPlayer& music() {
        buildWindows();
        return *music_;
    }
    TForm5* statistics() const override { return built(statistics_); }
    TOKRightDlg* nameDialog() const override { return built(nameDialog_); }
    ui::HelpWindow* help() override;

    QWidget* window(Window which) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builds, once, the windows after the loader and the title, in their
    // fixed order, and wires the menus to them.
    void buildWindows() const;
    void createWindows();
    template <typename W>
    W* built(W* const& window) const {
        buildWindows();
        return window;
    }

    QStringList arguments_;
    QString dataFolder_;
    GameData data_;
    SeededRandom random_;
    ui::QtPlayerPort port_;
    Game game_;
    std::unique_ptr<ui::CreatureImages> images_;
    bool refreshing_ = false;
    bool quitting_ = false;
    bool windowsBuilt_ = false;

    TForm3* loader_ = nullptr;
    TForm1* title_ = nullptr;
    TAboutBox* about_ = nullptr;
    TForm4* main_ = nullptr;
    TForm7* battleLog_ = nullptr;
    TForm8* zoridex_ = nullptr;
    TFormA* typeComparisons_ = nullptr;
    TForm9* mart_ = nullptr;
    TFormB* gameCorner_ = nullptr;
    std::unique_ptr<ui::MusicPlayer> music_;
    TForm5* statistics_ = nullptr;
    TOKRightDlg* nameDialog_ = nullptr;
    ui::HelpWindow* help_ = nullptr;
};

}  // namespace zorikan
