#pragma once
// Speaks short texts through the player's screen reader while the keyboard
// stays where the player left it, for what the game writes away from the
// keyboard: the battle log's lines, the Game Corner's lucky number. Each text
// is spoken once, in the order written, as soon as the action that wrote it
// has finished, a box is about to open or the keyboard moves; a text written
// while no window of the game holds the keyboard waits until one does.
// Without a screen reader nothing is sent.

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QWidget;

namespace zorikan::ui {

class Speaker : public QObject {
public:
    // The one speaker of the program, so that texts keep their order
    // whichever window writes them. It follows the keyboard from its first
    // use on.
    static Speaker& instance();

    void say(const QString& text);
    // Speaks the waiting texts now, where the keyboard is.
    void flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Speaker();
    void flushSoon();
    void keyboardMoved(QWidget* from);
    void speakAt(QWidget* focus);

    QStringList waiting_;
    bool flushDue_ = false;
    // The menu command the player chose last: the screen reader stays on it
    // until the keyboard moves.
    QPointer<QAction> chosenCommand_;
};

}  // namespace zorikan::ui
