#include "app/window_keyboard.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zorikan {

namespace {

// Activates each window as it shows, once the show is done: a box that waits
// for the player gets the keys of Return and Escape as on the desktop.
class ActivateOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() &&
            widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip)
            QTimer::singleShot(0, widget, [widget] {
                if (widget->isVisible()) widget->activateWindow();
            });
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void GiveShownWindowsTheKeyboard() {
    qApp->installEventFilter(new ActivateOnShow(qApp));
}

}  // namespace zorikan
