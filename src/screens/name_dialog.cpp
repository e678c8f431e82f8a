#include "screens/name_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/saves/new_game.h"

namespace zorikan {

namespace {

// The dialog has no close box and is left only through OK, so Esc does
// nothing rather than cancelling a new game half-way.
class NameDialogFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

TOKRightDlg::TOKRightDlg()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("OKRightDlg");
    setWindowTitle(tr("Enter your name:"));
    setModal(true);
    installEventFilter(new NameDialogFilter(this));

    Edit1 = new QLineEdit(kDefaultPlayerName, this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(kMaxNameLength);
    Edit1->setAccessibleName(tr("Your name"));
    Edit1->setMinimumWidth(180);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addWidget(ok);
    setFixedSize(sizeHint());
}

QString TOKRightDlg::askName() {
    Edit1->selectAll();
    Edit1->setFocus();
    exec();
    return Edit1->text();
}

}  // namespace zorikan
