#include "ui/speaker.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "ui/speech_bus.h"

namespace zorikan::ui {

namespace {

// The control that holds the keyboard, or null while the keyboard is between
// windows (a box closing, a menu open, another program in front).
QWidget* KeyboardHolder() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || QApplication::activePopupWidget()) return nullptr;
    return focus->window() == QApplication::activeWindow() ? focus : nullptr;
}

}  // namespace

Speaker& Speaker::instance() {
    static Speaker* speaker = new Speaker();
    return *speaker;
}

void Speaker::say(const QString& text) {
    if (text.isEmpty()) return;
    waiting_.append(text);
    flushSoon();
}

void Speaker::flushSoon() {
    if (flushDue_) return;
    flushDue_ = true;
    QTimer::singleShot(0, this, [this] {
        flushDue_ = false;
        flush();
    });
}

void Speaker::flushWhenFocused() {
    if (waitingForFocus_) return;
    waitingForFocus_ = true;
    connect(
        qApp, &QApplication::focusChanged, this,
        [this] {
            waitingForFocus_ = false;
            flushSoon();
        },
        Qt::SingleShotConnection);
}

void Speaker::flush() {
    if (waiting_.isEmpty()) return;
    QWidget* holder = KeyboardHolder();
    if (!holder) {
        flushWhenFocused();
        return;
    }
    SendSpeech(holder, std::exchange(waiting_, {}));
}

}  // namespace zorikan::ui
