#include "ui/qt_player_port.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace zorikan::ui {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QWidget* QtPlayerPort::parentForBox() {
    if (beforeBox) beforeBox();
    if (QWidget* active = QApplication::activeWindow()) return active;
    return boxParent ? boxParent() : nullptr;
}

void QtPlayerPort::logLine(const std::string& line) {
    if (appendLog) appendLog(fromUtf8(line));
}

void QtPlayerPort::information(const std::string& text) {
    QMessageBox::information(parentForBox(), kBoxCaption, fromUtf8(text));
}

void QtPlayerPort::warning(const std::string& text) {
    QMessageBox::warning(parentForBox(), kBoxCaption, fromUtf8(text));
}

void QtPlayerPort::error(const std::string& text) {
    QMessageBox::critical(parentForBox(), kBoxCaption, fromUtf8(text));
}

bool QtPlayerPort::question(const std::string& text) {
    return QMessageBox::question(parentForBox(), kBoxCaption, fromUtf8(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtPlayerPort::setWindowVisible(Window which, bool visible) {
    QWidget* w = window ? window(which) : nullptr;
    if (!w) return;
    if (visible) {
        if (beforeBox) beforeBox();
        w->show();
        w->raise();
    } else {
        w->hide();
    }
}

}  // namespace zorikan::ui
