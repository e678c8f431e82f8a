#pragma once
// How a screen reader meets a gauge: as a progress bar whose value is the
// gauge's position between 0 and its maximum.

class QAccessibleInterface;
class QObject;
class QString;

namespace zorikan::ui {

// The accessibility factory for gauges; Gauge installs it once.
QAccessibleInterface* GaugeAccessibleFactory(const QString& className, QObject* object);

}  // namespace zorikan::ui
