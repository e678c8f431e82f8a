#pragma once
// A horizontal bar gauge that shows how full it is as a percentage, with a
// settable maximum, position and bar colour.

#include <QColor>
#include <QElapsedTimer>
#include <QWidget>

namespace zorikan::ui {

// Black or white, whichever contrasts more with `background`.
QColor ReadableTextColour(const QColor& background);

class Gauge : public QWidget {
    Q_OBJECT

public:
    explicit Gauge(QWidget* parent = nullptr);

    void setMaximum(int maximum);
    void setPosition(int position);
    void setBarColour(const QColor& colour);
    // Paint at once when the shown percentage changes, for screens that are
    // busy and cannot wait for the event loop.
    void setImmediate(bool immediate) { immediate_ = immediate; }

    int maximum() const { return maximum_; }
    int position() const { return position_; }
    int percent() const;
    QColor barColour() const { return colour_; }
    // The font of the percentage inside the bar.
    QFont textFont() const;

    QSize sizeHint() const override { return {100, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed(int percentBefore, int positionBefore);
    void tellScreenReader();

    int maximum_ = 1;
    int position_ = 0;
    QColor colour_ = QColor(0, 0, 128);
    bool immediate_ = false;
    QElapsedTimer told_;  // since a screen reader last heard of a change
};

}  // namespace zorikan::ui
