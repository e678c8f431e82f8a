#pragma once
// "Battle Info": the battle log, one line per event of the battle. The game
// clears it when a battle shows it, so each battle's log starts empty; the
// player minimising and restoring it keeps every line. Each line is spoken
// by the screen reader as it is written, and F7, in any window, speaks the
// lines of the last move again (each further press the move before).

#include <QWidget>

class QPlainTextEdit;

namespace zorikan {

class TForm7 : public QWidget {
    Q_OBJECT

public:
    TForm7();
    void append(const QString& line);
    void clear();
    QStringList lines() const;
    void sayLastMoveAgain();

protected:
    // The window has no close box and stays until the battle ends, also
    // against the window manager's close request (Alt+F4).
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* Memo1;
    // The first line of each move: the lines written between two keys or
    // clicks of the player.
    QList<int> moveStarts_;
    bool moveOpen_ = false;
    // The move that F7 spoke last, counted back from the end.
    int movesBack_ = 0;
};

}  // namespace zorikan
