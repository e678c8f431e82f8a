#pragma once
// "Battle Info": the battle log, one line per event of the battle. It is
// cleared whenever it is shown, so each battle's log starts empty.

#include <QWidget>

class QPlainTextEdit;

namespace zorikan {

class TForm7 : public QWidget {
    Q_OBJECT

public:
    TForm7();
    void append(const QString& line);
    QStringList lines() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* Memo1;
};

}  // namespace zorikan
