#include "ui/speech_bus.h"

#include <QAccessible>
#include <QWidget>

namespace zorikan::ui {

bool ScreenReaderListens() {
    return QAccessible::isActive();
}

// A value change that carries a text is what Qt's UI Automation bridge turns
// into a notification, which Narrator and NVDA speak. It comes from the
// window, whose own value is nothing to read again.
void SendSpeech(const SpeechTarget& where, const QStringList& texts) {
    if (!where.focus || !ScreenReaderListens()) return;
    for (const QString& text : texts) {
        QAccessibleValueChangeEvent event(where.focus->window(), text);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace zorikan::ui
