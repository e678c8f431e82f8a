#include "ui/gauge.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/data/loader_gauges.h"
#include "ui/gauge_accessible.h"

namespace zorikan::ui {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    static const bool spokenAsProgressBars = [] {
        QAccessible::installFactory(GaugeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(spokenAsProgressBars);
    setAccessibleName(tr("Gauge"));
    setAccessibleDescription("0%");
    setMinimumHeight(10);
}

namespace {

// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

}  // namespace

QColor ReadableTextColour(const QColor& background) {
    // Black against the background's luminance L gives (L + 0.05) / 0.05,
    // white gives 1.05 / (L + 0.05); pick the larger.
    const double l = Luminance(background);
    return (l + 0.05) * (l + 0.05) >= 1.05 * 0.05 ? QColor(Qt::black) : QColor(Qt::white);
}

QFont Gauge::textFont() const {
    QFont f = font();
    f.setPixelSize(std::max(8, height() - 3));
    return f;
}

int Gauge::percent() const {
    return GaugePercent(position_, maximum_);
}

void Gauge::setMaximum(int maximum) {
    const int before = percent();
    const int positionBefore = position_;
    maximum_ = std::max(1, maximum);
    position_ = std::min(position_, maximum_);
    changed(before, positionBefore);
}

void Gauge::setPosition(int position) {
    const int before = percent();
    const int positionBefore = position_;
    position_ = std::clamp(position, 0, maximum_);
    changed(before, positionBefore);
}

void Gauge::setBarColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void Gauge::changed(int percentBefore, int positionBefore) {
    if (position_ == positionBefore || percent() == percentBefore) return;
    tellScreenReader();
    if (immediate_ && isVisible())
        repaint();
    else
        update();
}

void Gauge::tellScreenReader() {
    // A screen reader hears the percentage, so only a new one is news, and
    // not dozens in a moment: the loader's gauges fill thirteen times within
    // a second, and a reader told of every step stayed silent long after, the
    // title window included. Empty and full are always told.
    constexpr int kQuietMs = 250;
    const bool endOfRun = percent() == 0 || percent() == 100;
    if (!endOfRun && told_.isValid() && told_.elapsed() < kQuietMs) return;
    told_.start();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, position_);
        QAccessible::updateAccessibility(&event);
    }
    setAccessibleDescription(QString::number(percent()) + "%");
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), palette().button());
    const int filled = static_cast<int>(static_cast<long long>(width()) * position_ / maximum_);
    p.fillRect(QRect(0, 0, filled, height()), colour_);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame);

    // The percentage is drawn in black or white, whichever stands out more
    // from what lies under it: the bar over the filled part, the background
    // over the rest. Yellow on grey or green on grey would not be readable.
    const QString text = QString::number(percent()) + "%";
    p.setFont(textFont());
    const QColor background = palette().color(QPalette::Button);
    p.setClipRect(QRect(filled, 0, width() - filled, height()));
    p.setPen(ReadableTextColour(background));
    p.drawText(rect(), Qt::AlignCenter, text);
    p.setClipRect(QRect(0, 0, filled, height()));
    p.setPen(ReadableTextColour(colour_));
    p.drawText(rect(), Qt::AlignCenter, text);
}

}  // namespace zorikan::ui
