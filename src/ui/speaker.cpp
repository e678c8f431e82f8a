#include "ui/speaker.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
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

Speaker::Speaker() {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* from, QWidget*) { keyboardMoved(from); });
}

void Speaker::say(const QString& text) {
    if (text.isEmpty() || !ScreenReaderListens()) return;
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

void Speaker::flush() {
    if (QWidget* holder = KeyboardHolder()) speakAt(holder);
}

void Speaker::keyboardMoved(QWidget* from) {
    // The keyboard leaving the menus for the control it came from is no move
    // for the screen reader, which stays on the chosen command.
    if (!qobject_cast<QMenuBar*>(from) && !qobject_cast<QMenu*>(from)) chosenCommand_ = nullptr;
    if (waiting_.isEmpty()) return;
    // The screen reader hears of the move just after this: what waits is
    // spoken where it still is, or once it has arrived.
    if (from)
        speakAt(from);
    else
        flushSoon();
}

void Speaker::speakAt(QWidget* focus) {
    if (waiting_.isEmpty()) return;
    SendSpeech({focus, chosenCommand_}, std::exchange(waiting_, {}));
}

bool Speaker::eventFilter(QObject* watched, QEvent* event) {
    // A menu closes before its command runs.
    if (event->type() == QEvent::Hide)
        if (auto* menu = qobject_cast<QMenu*>(watched))
            if (QAction* chosen = menu->activeAction(); chosen && !chosen->menu())
                chosenCommand_ = chosen;
    return QObject::eventFilter(watched, event);
}

}  // namespace zorikan::ui
