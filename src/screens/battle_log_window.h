#pragma once
// "Battle Info": the battle log, one line per event of the battle. The game
// clears it when a battle shows it, so each battle's log starts empty; the
// player minimising and restoring it keeps every line.

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

protected:
    // The window has no close box and stays until the battle ends, also
    // against the window manager's close request (Alt+F4).
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* Memo1;
};

}  // namespace zorikan
