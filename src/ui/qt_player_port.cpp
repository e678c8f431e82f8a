#include "ui/qt_player_port.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "ui/place_window.h"
#include "ui/speaker.h"

namespace zorikan::ui {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QWidget* QtPlayerPort::parentForBox() {
    if (beforeBox) beforeBox();
    // What was written before the box is spoken before it.
    Speaker::instance().flush();
    // A box stands centred over the window in use. Between two boxes of one
    // rule no window is active yet: the second stands where the first stood.
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible() && active->windowType() != Qt::Popup &&
        !qobject_cast<QMessageBox*>(active)) {
        lastBoxParent_ = active;
        return active;
    }
    if (lastBoxParent_ && lastBoxParent_->isVisible()) return lastBoxParent_;
    return boxParent ? boxParent() : nullptr;
}

void QtPlayerPort::logLine(const std::string& line) {
    if (appendLog) appendLog(fromUtf8(line));
}

int QtPlayerPort::box(int icon, const std::string& text, int buttons, int defaultButton) {
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), kBoxCaption, fromUtf8(text),
                    static_cast<QMessageBox::StandardButtons>(buttons), parentForBox());
    box.setTextFormat(Qt::PlainText);
    if (defaultButton)
        box.setDefaultButton(static_cast<QMessageBox::StandardButton>(defaultButton));
    return box.exec();
}

void QtPlayerPort::information(const std::string& text) {
    box(QMessageBox::Information, text, QMessageBox::Ok);
}

void QtPlayerPort::warning(const std::string& text) {
    box(QMessageBox::Warning, text, QMessageBox::Ok);
}

void QtPlayerPort::error(const std::string& text) {
    box(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool QtPlayerPort::question(const std::string& text, QuestionIcon icon) {
    const auto shown =
        icon == QuestionIcon::Information ? QMessageBox::Information : QMessageBox::Question;
    return box(shown, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPlayerPort::riskyQuestion(const std::string& text) {
    return box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtPlayerPort::setWindowVisible(Window which, bool visible) {
    QWidget* w = window ? window(which) : nullptr;
    if (!w) return;
    if (visible) {
        if (which == Window::BattleLog && clearLog) clearLog();
        if (beforeBox) beforeBox();
        // A window the player minimised comes back when the game shows it.
        ui::BringBack(w, takesKeyboard && takesKeyboard(which));
    } else {
        w->hide();
    }
}

}  // namespace zorikan::ui
