#pragma once
// The name dialog of a new game.

#include <QDialog>

class QLineEdit;

namespace zorikan {

class TOKRightDlg : public QDialog {
    Q_OBJECT

public:
    TOKRightDlg();
    // Shows the dialog modally and returns the typed name.
    QString askName();

private:
    QLineEdit* Edit1;
};

}  // namespace zorikan
