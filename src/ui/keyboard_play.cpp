#include "ui/keyboard_play.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zorikan::ui {

namespace {

// The next usable button of `group` after (or before) `from`, wrapping
// around; null when there is none.
QAbstractButton* NextInGroup(QButtonGroup* group, QAbstractButton* from, bool forward) {
    const QList<QAbstractButton*> buttons = group->buttons();
    const qsizetype count = buttons.size();
    const qsizetype start = buttons.indexOf(from);
    if (start < 0) return nullptr;
    for (qsizetype step = 1; step < count; ++step) {
        QAbstractButton* b = buttons[(start + (forward ? step : count - step)) % count];
        if (b->isVisible() && b->isEnabled() && !b->text().isEmpty()) return b;
    }
    return nullptr;
}

class KeyboardPlay : public QObject {
public:
    std::function<void()> openHelp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (dropsLateAlt(watched, event)) return true;
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        // A key travels up from the focused widget: act on it once, there.
        if (widget != QApplication::focusWidget() && widget != widget->window())
            return QObject::eventFilter(watched, event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods != Qt::NoModifier) return QObject::eventFilter(watched, event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return pressButton(widget);
            case Qt::Key_Up:
            case Qt::Key_Left:
                return checkNeighbour(widget, false);
            case Qt::Key_Down:
            case Qt::Key_Right:
                return checkNeighbour(widget, true);
            case Qt::Key_F1:
                return help();
            default:
                return QObject::eventFilter(watched, event);
        }
    }

private:
    // With a screen reader on, Qt hands each key to the reader and delivers
    // it once the reader answers, while Alt and a letter open their menu at
    // once. The Alt press from before the letter then reaches the open menu,
    // which closes on it. So a menu that shows while Alt is held drops the
    // first Alt press it gets before Alt is released.
    bool dropsLateAlt(QObject* watched, QEvent* event) {
        switch (event->type()) {
            case QEvent::Show:
                if (qobject_cast<QMenu*>(watched) &&
                    (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier))
                    altHeldMenu_ = watched;
                return false;
            case QEvent::KeyRelease:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) altHeldMenu_ = nullptr;
                return false;
            case QEvent::KeyPress: {
                if (!altHeldMenu_ || watched != altHeldMenu_) return false;
                altHeldMenu_ = nullptr;
                return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt;
            }
            default:
                return false;
        }
    }
    QPointer<QObject> altHeldMenu_;

    // Buttons in dialog boxes press themselves on Enter already.
    static bool pressButton(QWidget* widget) {
        auto* button = qobject_cast<QPushButton*>(widget);
        if (!button || button->autoDefault() || button->isDefault() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
    // In a group of choices the arrows walk the choices in their order and
    // check each one they reach, whether or not one was checked before.
    static bool checkNeighbour(QWidget* widget, bool forward) {
        auto* radio = qobject_cast<QRadioButton*>(widget);
        if (!radio || !radio->group() || !radio->group()->exclusive()) return false;
        QAbstractButton* next = NextInGroup(radio->group(), radio, forward);
        if (!next) return false;
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        next->click();
        return true;
    }
    // Windows with their own F1 have taken the key before it gets here; a
    // modal box keeps it, as the help window would sit blocked behind it.
    bool help() {
        if (!openHelp || QApplication::activeModalWidget()) return false;
        openHelp();
        return true;
    }
};

}  // namespace

void InstallKeyboardPlay(QObject* owner, std::function<void()> openHelp) {
    auto* keys = new KeyboardPlay();
    keys->setParent(owner);
    keys->openHelp = std::move(openHelp);
    qApp->installEventFilter(keys);
}

void ChainTabOrder(const QList<QWidget*>& chain) {
    for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

namespace {

// Notes an Esc that reaches an open drop-down list or menu. That list closes
// on it, and Qt then hands the same key on to the window beneath, where it
// must not close the window too. The note lasts until the key is handled.
class PopupEscape : public QObject {
public:
    static PopupEscape& instance() {
        static auto* escape = [] {
            auto* e = new PopupEscape();
            e->setParent(qApp);
            qApp->installEventFilter(e);
            return e;
        }();
        return *escape;
    }
    bool closedAPopup() const { return closedAPopup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && !closedAPopup_ &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            QApplication::activePopupWidget()) {
            closedAPopup_ = true;
            QTimer::singleShot(0, this, [this] { closedAPopup_ = false; });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool closedAPopup_ = false;
};

class EscapeCloses : public QObject {
public:
    EscapeCloses(QWidget* window, QAbstractButton* closeButton)
        : QObject(window), button_(closeButton) {
        PopupEscape::instance();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || (key->modifiers() & ~Qt::KeypadModifier))
            return QObject::eventFilter(watched, event);
        if (!PopupEscape::instance().closedAPopup() && !QApplication::activePopupWidget() &&
            button_ && button_->isVisible() && button_->isEnabled())
            button_->click();
        return true;
    }

private:
    QPointer<QAbstractButton> button_;
};

}  // namespace

void CloseOnEscape(QWidget* window, QAbstractButton* closeButton) {
    window->installEventFilter(new EscapeCloses(window, closeButton));
}

}  // namespace zorikan::ui
