#include "ui/gauge.h"

#include <QAccessible>
#include <QPainter>

#include "core/loader.h"

namespace zorikan::ui {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Gauge"));
    setAccessibleDescription("0%");
    setMinimumHeight(10);
}

int Gauge::percent() const {
    return GaugePercent(position_, maximum_);
}

void Gauge::setMaximum(int maximum) {
    const int before = percent();
    maximum_ = std::max(1, maximum);
    position_ = std::min(position_, maximum_);
    changed(before);
}

void Gauge::setPosition(int position) {
    const int before = percent();
    position_ = std::clamp(position, 0, maximum_);
    changed(before);
}

void Gauge::setBarColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void Gauge::changed(int percentBefore) {
    if (percent() == percentBefore) return;
    setAccessibleDescription(QString::number(percent()) + "%");
    if (immediate_ && isVisible())
        repaint();
    else
        update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), palette().button());
    const int filled = static_cast<int>(static_cast<long long>(width()) * position_ / maximum_);
    p.fillRect(QRect(0, 0, filled, height()), colour_);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame);

    // The percentage reads in the bar's colour over the empty part and in the
    // background's colour over the filled part.
    const QString text = QString::number(percent()) + "%";
    QFont f = font();
    f.setPixelSize(std::max(8, height() - 3));
    p.setFont(f);
    p.setClipRect(QRect(filled, 0, width() - filled, height()));
    p.setPen(colour_.lightness() > 200 ? Qt::black : colour_);
    p.drawText(rect(), Qt::AlignCenter, text);
    p.setClipRect(QRect(0, 0, filled, height()));
    p.setPen(colour_.lightness() > 140 ? Qt::black : Qt::white);
    p.drawText(rect(), Qt::AlignCenter, text);
}

}  // namespace zorikan::ui
