#include "ui/place_window.h"

#include <QScreen>
#include <QWidget>

namespace zorikan::ui {

void PlaceBelow(QWidget* window, const QWidget* owner) {
    if (!owner || !owner->isVisible()) return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    const QRect above = owner->frameGeometry();
    // A window wider than the owner reaches out to the left, away from the
    // statistics window on the owner's right.
    frame.moveTopLeft(
        QPoint(qMin(above.left(), above.right() - frame.width() + 1), above.bottom() + 8));
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(
            qBound(room.left(), frame.left(), qMax(room.left(), room.right() - frame.width())));
        frame.moveTop(
            qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frame.height())));
    }
    window->move(frame.topLeft());
}

}  // namespace zorikan::ui
