#include "screens/battle_log_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zorikan {

TForm7::TForm7() : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("Form7");
    setWindowTitle(tr("Battle Info"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName(tr("Battle log"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setBackgroundRole(QPalette::Button);
    QPalette face = Memo1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    Memo1->setPalette(face);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    setFixedSize(422, 159);
}

void TForm7::append(const QString& line) {
    Memo1->appendPlainText(line);
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

QStringList TForm7::lines() const {
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

void TForm7::clear() {
    Memo1->clear();
}

void TForm7::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace zorikan
