#pragma once
// How the running game ends from outside the game: a signal (a terminal's
// Ctrl+C, kill, a service manager's stop), the end of the desktop session, or
// a quit that the platform asks of the application. Each writes the game as
// the main window's close would, without asking the player anything, and ends
// the program; none of them can be refused by a window.

#include <QObject>
#include <functional>

namespace zorikan {

class GameSession;

class ProgramEnd : public QObject {
public:
    // Installs the handlers of the ending signals for the lifetime of this
    // object; the previous ones come back when it goes.
    explicit ProgramEnd(GameSession& session);
    ~ProgramEnd() override;

    // The desktop session ends (logout, shutdown): the game is written as at
    // the close and the session is never held up. `playerAtHand` asks the
    // session manager whether a box may be shown; only a failed write asks.
    void sessionEnds(const std::function<bool()>& playerAtHand);
    // Writes the game without asking and ends the program: 0 when the game
    // is safe on disk (or there was none yet), 1 when the write failed.
    void leaveWithoutAsking();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GameSession& session_;
};

}  // namespace zorikan
