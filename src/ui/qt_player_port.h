#pragma once
// Message boxes and window requests of the game's rules, as real Qt boxes.
// Before every box the windows are redrawn from the model, so the player
// sees the state the rule has reached when the box appears.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/shared/player_port.h"

namespace zorikan::ui {

inline const QString kBoxCaption = QStringLiteral("ZORIKAN Simulator");

class QtPlayerPort final : public PlayerPort {
public:
    std::function<void()> beforeBox;
    std::function<void(const QString&)> appendLog;
    // Empties the battle log; a battle that shows the log starts it afresh.
    std::function<void()> clearLog;
    std::function<QWidget*(Window)> window;
    // Whether the window, shown by the game, becomes the active window.
    std::function<bool(Window)> takesKeyboard;
    std::function<QWidget*()> boxParent;

    void logLine(const std::string& line) override;
    void information(const std::string& text) override;
    void warning(const std::string& text) override;
    void error(const std::string& text) override;
    bool question(const std::string& text, QuestionIcon icon) override;
    bool riskyQuestion(const std::string& text) override;
    void setWindowVisible(Window which, bool visible) override;

private:
    QWidget* parentForBox();
    // A box whose text, names of the player and the data included, shows as
    // written, never as markup.
    // `defaultButton` 0 leaves the choice to Qt (the first accepting button).
    int box(int icon, const std::string& text, int buttons, int defaultButton = 0);

    QPointer<QWidget> lastBoxParent_;
};

}  // namespace zorikan::ui
