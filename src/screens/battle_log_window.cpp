#include "screens/battle_log_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/speaker.h"

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
    qApp->installEventFilter(this);
    // The speaker follows the keyboard before the first line comes.
    ui::Speaker::instance();
}

void TForm7::append(const QString& line) {
    if (!moveOpen_) {
        // The lines written until the player's next key or click.
        moveOpen_ = true;
        moveStarts_.append(Memo1->blockCount() - (Memo1->document()->isEmpty() ? 1 : 0));
    }
    movesBack_ = 0;
    Memo1->appendPlainText(line);
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
    ui::Speaker::instance().say(line);
}

void TForm7::sayLastMoveAgain() {
    const QStringList all = lines();
    if (all.isEmpty() || moveStarts_.isEmpty()) {
        ui::Speaker::instance().say(tr("Battle Info is empty."));
        return;
    }
    movesBack_ = qMin(movesBack_ + 1, static_cast<int>(moveStarts_.size()));
    const qsizetype move = moveStarts_.size() - movesBack_;
    const qsizetype end = move + 1 < moveStarts_.size() ? moveStarts_[move + 1] : all.size();
    for (qsizetype i = moveStarts_[move]; i < end; ++i) ui::Speaker::instance().say(all[i]);
}

QStringList TForm7::lines() const {
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

void TForm7::clear() {
    Memo1->clear();
    moveStarts_.clear();
    movesBack_ = 0;
}

void TForm7::closeEvent(QCloseEvent* event) {
    event->ignore();
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    // A key or a click begins the player's next move. Before a key acts,
    // its shortcut check comes by; a click acts once the button is released.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::MouseButtonPress)
        moveOpen_ = false;
    // F7 reaches the focused control (or a window without one) of any window.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        const QWidget* target = QApplication::focusWidget();
        if (key->key() == Qt::Key_F7 && key->modifiers() == Qt::NoModifier &&
            widget == (target ? target : widget->window())) {
            if (!key->isAutoRepeat()) sayLastMoveAgain();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zorikan
