#pragma once
// Speaks short texts through the player's screen reader while the keyboard
// stays where the player left it, for what the game writes away from the
// keyboard: the battle log's lines, the Game Corner's lucky number. Each text
// is spoken once, in the order written, as soon as the action that wrote it
// has finished or a box is about to open; a text written while no window of
// the game holds the keyboard waits until one does. Without a screen reader
// nothing is sent.

#include <QObject>
#include <QStringList>

namespace zorikan::ui {

class Speaker : public QObject {
public:
    // The one speaker of the program, so that texts keep their order
    // whichever window writes them.
    static Speaker& instance();

    void say(const QString& text);
    // Speaks the waiting texts now, where the keyboard is.
    void flush();

private:
    Speaker() = default;
    void flushSoon();
    void flushWhenFocused();

    QStringList waiting_;
    bool flushDue_ = false;
    bool waitingForFocus_ = false;
};

}  // namespace zorikan::ui
