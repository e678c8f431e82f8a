#include "ui/gauge_accessible.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include "ui/gauge.h"

namespace zorikan::ui {

namespace {

class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(Gauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(gauge()->percent()) + "%";
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return gauge()->position(); }
    // The gauge only shows; a screen reader cannot move it.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return gauge()->maximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const Gauge* gauge() const { return static_cast<const Gauge*>(widget()); }
};

}  // namespace

QAccessibleInterface* GaugeAccessibleFactory(const QString&, QObject* object) {
    if (auto* gauge = qobject_cast<Gauge*>(object)) return new GaugeAccessible(gauge);
    return nullptr;
}

}  // namespace zorikan::ui
