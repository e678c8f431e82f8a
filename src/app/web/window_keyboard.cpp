#include "app/window_keyboard.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace zorikan {

namespace {

bool TakesKeyboard(const QWidget* widget) {
    return widget && widget->isWindow() && widget->windowType() != Qt::Popup &&
           widget->windowType() != Qt::ToolTip;
}

// The page has no window manager: this gives the keyboard as the desktop's
// does. A box or dialog takes it as it shows, and so does the first window
// when none has it; the game activates the side windows the player opens
// itself, and the battle log and the statistics leave it where it is. When
// the window that has it goes away, the box still open, or else the window
// that had it before, takes it back (or, when none had, the first shown main
// window before the side windows).
class WindowFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!TakesKeyboard(widget)) return QObject::eventFilter(watched, event);
        switch (event->type()) {
            case QEvent::Show:
                note(shown_, widget);
                // The activation arrives later: a window asked for first keeps it.
                if (widget->isModal() || (!ActiveShown() && !(asked_ && asked_->isVisible()))) {
                    asked_ = widget;
                    widget->activateWindow();
                }
                break;
            case QEvent::WindowActivate:
                note(lastActive_, widget);
                asked_ = nullptr;
                break;
            case QEvent::Hide:
                // Once the hide is done and the activations asked for meanwhile
                // (by the game or the page) have arrived, a turn of the loop later.
                QTimer::singleShot(0, this,
                                   [this] { QTimer::singleShot(0, this, [this] { giveBack(); }); });
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    using Windows = std::vector<QPointer<QWidget>>;

    static const QWidget* ActiveShown() {
        const QWidget* active = QApplication::activeWindow();
        return active && active->isVisible() ? active : nullptr;
    }

    static void note(Windows& windows, QWidget* window) {
        std::erase_if(windows,
                      [window](const QPointer<QWidget>& seen) { return !seen || seen == window; });
        windows.emplace_back(window);
    }

    void giveBack() {
        // A box shown as the last one closed has the keyboard, whatever was active.
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->activateWindow();
            return;
        }
        if (ActiveShown()) return;
        const auto visible = [](const QPointer<QWidget>& seen) {
            return seen && seen->isVisible();
        };
        const auto latest = std::find_if(lastActive_.rbegin(), lastActive_.rend(), visible);
        if (latest != lastActive_.rend()) {
            (*latest)->activateWindow();
            return;
        }
        // The main window before the side windows (tool windows) shown with it.
        const auto first = std::find_if(shown_.begin(), shown_.end(), [&](const auto& seen) {
            return visible(seen) && seen->windowType() != Qt::Tool;
        });
        const auto any =
            first != shown_.end() ? first : std::find_if(shown_.begin(), shown_.end(), visible);
        if (any != shown_.end()) (*any)->activateWindow();
    }

    Windows lastActive_;       // by their last activation, the latest last
    Windows shown_;            // by their last show, the latest last
    QPointer<QWidget> asked_;  // shown and asked to take the keyboard, not yet active
};

}  // namespace

void GiveShownWindowsTheKeyboard() {
    qApp->installEventFilter(new WindowFocus(qApp));
}

}  // namespace zorikan
