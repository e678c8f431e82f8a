#include "ui/place_window.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace zorikan::ui {

namespace {

constexpr int kGap = 8;

bool IsGameWindow(const QWidget* w) {
    if (!w->isWindow()) return false;
    const Qt::WindowType type = w->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
           type != Qt::SplashScreen;
}

// The frame around the client area of a window the window manager has
// framed: the thickness of a frame the game's windows have once shown.
QMargins FrameMargins(const QWidget* window) {
    auto margins = [](const QWidget* w) {
        const QRect frame = w->frameGeometry();
        const QRect client = w->geometry();
        return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                        frame.right() - client.right(), frame.bottom() - client.bottom());
    };
    if (window->frameGeometry() != window->geometry()) return margins(window);
    // A hidden window keeps the frame it had on screen.
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && IsGameWindow(other) && other->frameGeometry() != other->geometry())
            return margins(other);
    return {};
}

// The available area of the screen the frame stands on (panels and docks left out).
QRect RoomFor(const QWidget* window, const QRect& frame) {
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect Inside(QRect frame, const QRect& room) {
    if (room.isEmpty()) return frame;
    frame.moveLeft(
        qBound(room.left(), frame.left(), qMax(room.left(), room.right() - frame.width() + 1)));
    frame.moveTop(
        qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frame.height() + 1)));
    return frame;
}

qint64 Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

class ScreenKeeper : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Resize) && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            // A box or a dialog puts itself over its parent as it shows,
            // unless it was moved before: it is looked at once it stands there.
            if (!IsGameWindow(w)) return QObject::eventFilter(watched, event);
            if (qobject_cast<QDialog*>(w))
                QTimer::singleShot(0, w, [w] {
                    if (w->isVisible()) KeepOnScreen(w);
                });
            else if (type == QEvent::Show || w->isVisible())
                KeepOnScreen(w);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

QRect FrameOf(const QWidget* window) {
    if (window->frameGeometry() != window->geometry()) return window->frameGeometry();
    return window->geometry().marginsAdded(FrameMargins(window));
}

void Settle(QWidget* window) {
    if (QLayout* layout = window->layout()) layout->activate();
    window->adjustSize();
}

void MoveFrame(QWidget* window, QPoint topLeft) {
    // A window without its native window yet takes the point as its frame's
    // corner; one the window manager has framed too. In between, Qt would
    // put the client area there, a title bar's height too high.
    const bool framed = window->frameGeometry() != window->geometry();
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        // Sized now: a size the layout set as the window shows would make
        // Qt take the point for the client area's corner again.
        Settle(window);
        window->move(topLeft);
        return;
    }
    if (framed) {
        window->move(topLeft);
        return;
    }
    const QMargins m = FrameMargins(window);
    window->move(topLeft + QPoint(m.left(), m.top()));
}

void PlaceBelow(QWidget* window, const QWidget* owner) {
    if (!owner || !owner->isVisible()) return;
    Settle(window);
    QRect frame = FrameOf(window);
    const QRect above = FrameOf(owner);
    // A window wider than the owner reaches out to the left, away from the
    // statistics window on the owner's right.
    frame.moveTopLeft(
        QPoint(qMin(above.left(), above.right() - frame.width() + 1), above.bottom() + kGap));
    MoveFrame(window, Inside(frame, RoomFor(owner, above)).topLeft());
}

void KeepOnScreen(QWidget* window) {
    QRect frame = FrameOf(window);
    const QRect room = RoomFor(window, frame);
    // A window that may be resized and is larger than the room is made to
    // fit: its contents scroll.
    const QSize extra = frame.size() - window->size();
    const QSize fits =
        (room.size() - extra).boundedTo(window->size()).expandedTo(window->minimumSize());
    if (!room.isEmpty() && fits != window->size() &&
        window->minimumSize() != window->maximumSize()) {
        window->resize(fits);
        frame = FrameOf(window);
    }
    const QRect inside = Inside(frame, room);
    if (inside.topLeft() != frame.topLeft()) MoveFrame(window, inside.topLeft());
}

void InstallScreenKeeper(QObject* owner) {
    auto* keeper = new ScreenKeeper();
    keeper->setParent(owner);
    qApp->installEventFilter(keeper);
}

QRect MenuBarStrip(const QWidget* main) {
    const QRect frame = FrameOf(main);
    const int clientTop = main->geometry().top();
    const QWidget* central = main->findChild<QWidget*>("ClientArea");
    const int barBottom = central ? main->mapToGlobal(central->pos()).y() : clientTop + 24;
    return QRect(frame.left(), frame.top(), frame.width(), qMax(1, barBottom - frame.top()));
}

void PlaceClearOf(QWidget* window, const QWidget* main, const QList<QRect>& clearOf,
                  bool placedBefore) {
    Settle(window);
    QRect frame = FrameOf(window);
    auto covers = [&](const QRect& place) {
        return std::any_of(clearOf.begin(), clearOf.end(),
                           [&](const QRect& r) { return place.intersects(r); });
    };
    if (placedBefore && !covers(frame)) return;

    QList<QRect> shown;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && IsGameWindow(other)) shown << FrameOf(other);
    const QRect beside = FrameOf(main);
    const QRect room = RoomFor(main, beside);
    // Left of the main window, below it, right of what stands right of it,
    // above it: the first place that is free wins; else the least covered.
    int right = beside.right();
    int bottom = beside.bottom();
    for (const QRect& r : shown) {
        if (r.intersects(beside.adjusted(-kGap, 0, room.width(), 0)) && r.top() < beside.bottom())
            right = std::max(right, r.right());
        if (r.intersects(beside.adjusted(0, -kGap, 0, room.height())) && r.left() < beside.right())
            bottom = std::max(bottom, r.bottom());
    }
    const QList<QPoint> corners = {
        {beside.left() - kGap - frame.width(), beside.top()},
        {beside.left(), bottom + kGap},
        {right + kGap, beside.top()},
        {beside.left(), beside.top() - kGap - frame.height()},
        {beside.left() - kGap - frame.width(), bottom + kGap - frame.height()},
    };
    QRect best;
    qint64 bestCost = std::numeric_limits<qint64>::max();
    for (const QPoint& corner : corners) {
        const QRect place = Inside(QRect(corner, frame.size()), room);
        qint64 cost = 0;
        for (const QRect& r : clearOf) cost += Overlap(place, r) * 1000;
        for (const QRect& r : shown) cost += Overlap(place, r);
        if (cost < bestCost) {
            bestCost = cost;
            best = place;
        }
    }
    MoveFrame(window, best.topLeft());
}

void StepClearOf(QWidget* window) {
    const QWidgetList others = QApplication::topLevelWidgets();
    QRect frame = FrameOf(window);
    const int step = std::max(kGap, window->geometry().top() - frame.top());
    for (int tries = 0; tries < 8; ++tries) {
        const bool taken = std::any_of(others.begin(), others.end(), [&](const QWidget* other) {
            return other != window && other->isVisible() && IsGameWindow(other) &&
                   FrameOf(other).topLeft() == frame.topLeft();
        });
        if (!taken) break;
        frame.translate(step, step);
    }
    frame = Inside(frame, RoomFor(window, frame));
    if (frame.topLeft() != FrameOf(window).topLeft()) MoveFrame(window, frame.topLeft());
}

void BringBack(QWidget* window, bool giveKeyboard) {
    if (window->windowState() & Qt::WindowMinimized)
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    if (giveKeyboard) window->activateWindow();
}

}  // namespace zorikan::ui
