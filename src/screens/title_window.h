#pragma once
// The title window: start a new game, load one, help, about, exit.

#include <QWidget>

#include "screens/window_host.h"

class QPushButton;

namespace zorikan {

class WindowHost;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(WindowHost& session);

    // The data is loaded: open a saved game named on the command line, or
    // show the title window.
    void afterLoading();

    void NewButtonClick();
    void LoadButtonClick();
    void HelpButtonClick();
    void AboutButtonClick();
    void ExitButtonClick();
    // Opens a saved game and brings up play; false when it failed to load or
    // another copy of the game has it open.
    bool LoadGame(const QString& file) { return openGame(file) == WindowHost::Opening::Opened; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, int top);
    WindowHost::Opening openGame(const QString& file);

    WindowHost& session_;
};

}  // namespace zorikan
