// Feet, arms and wings.

#include "painter/art_paint.h"

#include <QLinearGradient>
#include <initializer_list>

namespace zorikan::painter {

namespace {

// A short arm from the shoulder with a round hand.
void arm(Ctx& c, QPointF shoulder, QPointF hand, double width) {
    QPainterPath path(shoulder);
    path.lineTo(hand);
    tube(c, path, width, c.pal.body.base, c.pal.body.line);
    fillOutlined(c, ellipse(hand, width * 0.62, width * 0.62), c.pal.body.base, c.pal.body.line);
}

// Each wing below is the right-hand one, drawn from its shoulder at (0,0).

// A feathered wing, its tip in the accent colour.
void featherWing(Ctx& c, double span) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    QPainterPath w(QPointF(0, 2));
    w.cubicTo(QPointF(span * 0.3, -span * 0.5), QPointF(span * 0.8, -span * 0.75),
              QPointF(span, -span * 0.6));
    w.quadTo(QPointF(span * 0.95, -span * 0.3), QPointF(span * 0.82, -span * 0.22));
    w.quadTo(QPointF(span * 0.85, 0), QPointF(span * 0.64, span * 0.02));
    w.quadTo(QPointF(span * 0.62, span * 0.25), QPointF(span * 0.42, span * 0.22));
    w.quadTo(QPointF(span * 0.3, span * 0.4), QPointF(0, span * 0.25));
    w.closeSubpath();
    QLinearGradient g(0, 0, span, 0);
    g.setColorAt(0.0, body.base);
    g.setColorAt(0.55, body.light);
    g.setColorAt(1.0, acc.base);
    fillOutlined(c, w, QBrush(g), body.line);
    if (!c.compact) {
        c.p.setPen(outlinePen(c, body.line, 0.55));
        c.p.drawLine(QPointF(span * 0.3, span * 0.02), QPointF(span * 0.7, -span * 0.24));
        c.p.drawLine(QPointF(span * 0.2, span * 0.16), QPointF(span * 0.5, span * 0.05));
    }
}

// A bat wing: a membrane between two fingers.
void batWing(Ctx& c, double span) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    QPainterPath w(QPointF(0, 0));
    w.quadTo(QPointF(span * 0.5, -span * 0.8), QPointF(span, -span * 0.5));
    w.quadTo(QPointF(span * 0.85, -span * 0.1), QPointF(span * 0.95, span * 0.2));
    w.quadTo(QPointF(span * 0.7, 0), QPointF(span * 0.6, span * 0.25));
    w.quadTo(QPointF(span * 0.4, span * 0.05), QPointF(span * 0.25, span * 0.3));
    w.quadTo(QPointF(span * 0.15, span * 0.1), QPointF(0, span * 0.15));
    w.closeSubpath();
    // The membrane leans to the body colour so the wings never
    // outweigh the body.
    const Tones skin = tonesOf(mixColor(body.shade, acc.base, 0.35));
    fillOutlined(c, w, shaded(w.boundingRect(), skin), body.line);
    c.p.setPen(outlinePen(c, body.line, 0.7));
    c.p.drawLine(QPointF(span * 0.35, -span * 0.38), QPointF(span * 0.6, span * 0.22));
    c.p.drawLine(QPointF(span * 0.6, -span * 0.48), QPointF(span * 0.93, span * 0.17));
}

// Two clear insect wings.
void insectWings(Ctx& c, double span) {
    const Tones& acc = c.pal.accent;
    QColor fill = acc.light;
    fill.setAlpha(150);
    QColor edge = acc.line;
    for (int i : {0, 1}) {
        c.p.save();
        c.p.rotate(i == 0 ? -35 : 20);
        const QPainterPath w = ellipse(QPointF(span * (i == 0 ? 0.55 : 0.42), 0),
                                       span * (i == 0 ? 0.55 : 0.42), span * 0.24);
        fillOutlined(c, w, fill, edge, 0.8);
        c.p.restore();
    }
}

}  // namespace

void foot(Ctx& c, QPointF at, double rx, double ry) {
    const Tones& t = c.pal.body;
    fillOutlined(c, ellipse(at, rx, ry),
                 shaded(QRectF(at.x() - rx, at.y() - ry, 2 * rx, 2 * ry), t), t.line);
    if (!c.compact) {
        c.p.setPen(outlinePen(c, t.line, 0.6));
        for (int s : {-1, 1})
            c.p.drawLine(at + QPointF(s * rx * 0.3, ry * 0.1),
                         at + QPointF(s * rx * 0.33, ry * 0.95));
    }
}

// Both wings, behind the body. `shoulder` is the right-hand attachment point
// and `span` how far they may reach sideways.
void drawWings(Ctx& c, int kind, QPointF shoulder, double span) {
    const double cx = kCanvas / 2;
    for (int s : {-1, 1}) {
        c.p.save();
        c.p.translate(cx + s * (shoulder.x() - cx), shoulder.y());
        c.p.scale(s, 1);
        switch (kind) {
            case WingFeather:
                featherWing(c, span);
                break;
            case WingBat:
                batWing(c, span);
                break;
            case WingInsect:
                insectWings(c, span);
                break;
            default:
                break;
        }
        c.p.restore();
    }
}

void arms(Ctx& c, QPointF shoulder, double width) {
    const double cx = kCanvas / 2;
    for (int s : {-1, 1}) {
        const QPointF at(cx + s * (shoulder.x() - cx), shoulder.y());
        switch (c.k.arms) {
            case 0:
                arm(c, at, at + QPointF(s * 4, 7), width);
                break;
            case 1:
                arm(c, at, at + QPointF(s * 6, 2), width);
                break;
            default:  // one arm waving
                arm(c, at, at + (s > 0 ? QPointF(5, -6) : QPointF(-4, 7)), width);
                break;
        }
    }
}

}  // namespace zorikan::painter
