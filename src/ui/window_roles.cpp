#include "ui/window_roles.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFrame>
#include <QMainWindow>
#include <QWidget>

namespace zorikan::ui {

namespace {

QAccessibleInterface* TopLevelWindow(const QString& className, QObject* object) {
    // Asked once per class of the object's ancestry, most derived first:
    // answer only for the object's own class, and leave dialogs, main
    // windows and child widgets to Qt.
    if (!object || !object->isWidgetType() || className != object->metaObject()->className())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A bevel line between rows is a separator, not a frame of its own.
    if (auto* line = qobject_cast<QFrame*>(widget);
        line && !widget->isWindow() && QString(line->metaObject()->className()) == "QFrame" &&
        (line->frameShape() == QFrame::HLine || line->frameShape() == QFrame::VLine))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (!widget->isWindow() || qobject_cast<QDialog*>(widget) || qobject_cast<QMainWindow*>(widget))
        return nullptr;
    if (widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void InstallWindowRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(TopLevelWindow);
}

}  // namespace zorikan::ui
