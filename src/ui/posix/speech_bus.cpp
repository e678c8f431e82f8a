#include "ui/speech_bus.h"

#include <QAccessible>
#include <QAction>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace {

// An object on the accessibility bus: the program's bus name and the path.
struct BusObject {
    QString service;
    QDBusObjectPath path;
};

}  // namespace

Q_DECLARE_METATYPE(BusObject)

namespace {

QDBusArgument& operator<<(QDBusArgument& out, const BusObject& object) {
    out.beginStructure();
    out << object.service << object.path;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, BusObject& object) {
    in.beginStructure();
    in >> object.service >> object.path;
    in.endStructure();
    return in;
}

const QString kPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

QString BusPath(QAccessibleInterface* object) {
    return kPathPrefix + QString::number(QAccessible::uniqueId(object));
}

// A change of `object`'s description to `said`, as Qt's bridge words its
// own events.
void SendDescription(QDBusConnection& bus, QAccessibleInterface* object, const QVariant& said) {
    QDBusMessage change =
        QDBusMessage::createSignal(BusPath(object), QStringLiteral("org.a11y.atspi.Event.Object"),
                                   QStringLiteral("PropertyChange"));
    const BusObject program{bus.baseService(), QDBusObjectPath(kPathPrefix + "root")};
    change.setArguments({QStringLiteral("accessible-description"), 0, 0,
                         QVariant::fromValue(QDBusVariant(said)), QVariant::fromValue(program)});
    bus.send(change);
}

}  // namespace

namespace zorikan::ui {

// Qt's bridge is connected to the accessibility bus only while the desktop
// says that a screen reader runs.
bool ScreenReaderListens() {
    return QDBusConnection(QStringLiteral("a11y")).isConnected();
}

// Orca, the screen reader of Debian's desktops, speaks a new description of
// the object that holds its focus, and nothing that Qt 6.4 sends for a text
// away from the keyboard. So each text goes out as such a change, on the
// connection that Qt's own bridge opened to the accessibility bus (it is
// open only while a screen reader listens), for each object Orca's focus
// may be on: the focused control, the entry inside it (a list's current
// line) and the menu command chosen last. Orca speaks it for the one it is
// on. A last change to no text tells the reader to ask the control for its
// own description again, and says nothing.
void SendSpeech(const SpeechTarget& where, const QStringList& texts) {
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) return;
    static const QMetaType registered = qDBusRegisterMetaType<BusObject>();
    Q_UNUSED(registered);
    QList<QAccessibleInterface*> speakers;
    if (where.command)
        if (QAccessibleInterface* command = QAccessible::queryAccessibleInterface(where.command))
            speakers.append(command);
    for (QAccessibleInterface* object = QAccessible::queryAccessibleInterface(where.focus);
         object && !speakers.contains(object); object = object->focusChild())
        speakers.append(object);
    for (const QString& text : texts)
        for (QAccessibleInterface* object : speakers) SendDescription(bus, object, text);
    for (QAccessibleInterface* object : speakers) SendDescription(bus, object, 0);
}

}  // namespace zorikan::ui
