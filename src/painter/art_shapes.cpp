// The shapes every part of a creature is built from, and how they are
// shaded and outlined.

#include "painter/art_paint.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace zorikan::painter {

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

QPen outlinePen(const Ctx& c, const QColor& color, double factor) {
    return QPen(color, c.ow * factor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A body part lit from the upper left.
QBrush shaded(const QRectF& r, const Tones& t) {
    QRadialGradient g(r.center().x() - r.width() * 0.22, r.center().y() - r.height() * 0.28,
                      std::max(r.width(), r.height()) * 0.85);
    g.setColorAt(0.0, t.light);
    g.setColorAt(0.5, t.base);
    g.setColorAt(1.0, t.shade);
    return QBrush(g);
}

void fillOutlined(Ctx& c, const QPainterPath& path, const QBrush& fill, const QColor& line,
                  double factor) {
    c.p.setPen(outlinePen(c, line, factor));
    c.p.setBrush(fill);
    c.p.drawPath(path);
}

void part(Ctx& c, const QPainterPath& path, const Tones& t) {
    fillOutlined(c, path, shaded(path.boundingRect(), t), t.line);
}

// A limb or tail drawn as a thick stroke with an outline around it.
void tube(Ctx& c, const QPainterPath& path, double width, const QColor& fill, const QColor& line) {
    c.p.setBrush(Qt::NoBrush);
    c.p.setPen(QPen(line, width + 2 * c.ow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    c.p.drawPath(path);
    c.p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    c.p.drawPath(path);
}

QPainterPath ellipse(QPointF center, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(center, rx, ry);
    return path;
}

// An egg: tw < 1 makes the top pointier, bw > 1 the bottom flatter, and
// k > 0 moves the widest point down.
QPainterPath egg(QPointF center, double rx, double ry, double tw, double bw, double k) {
    constexpr double kappa = 0.5523;
    const double cx = center.x(), cy = center.y();
    const QPointF top(cx, cy - ry), bottom(cx, cy + ry);
    const double my = cy + ry * k;
    QPainterPath path(top);
    path.cubicTo(cx + rx * kappa * tw, cy - ry, cx + rx, my - (my - top.y()) * kappa, cx + rx, my);
    path.cubicTo(cx + rx, my + (bottom.y() - my) * kappa, cx + rx * kappa * bw, cy + ry, cx,
                 cy + ry);
    path.cubicTo(cx - rx * kappa * bw, cy + ry, cx - rx, my + (bottom.y() - my) * kappa, cx - rx,
                 my);
    path.cubicTo(cx - rx, my - (my - top.y()) * kappa, cx - rx * kappa * tw, cy - ry, cx, cy - ry);
    path.closeSubpath();
    return path;
}

// A pointed leaf or petal from base (0,0) to tip (0,-len), width w.
QPainterPath leaf(double len, double w, double bend) {
    QPainterPath path(QPointF(0, 0));
    path.cubicTo(-w * 0.7, -len * 0.25, -w * 0.5 + bend, -len * 0.8, bend, -len);
    path.cubicTo(w * 0.5 + bend, -len * 0.8, w * 0.7, -len * 0.25, 0, 0);
    path.closeSubpath();
    return path;
}

QPainterPath cone(double len, double w, double bend) {
    QPainterPath path(QPointF(-w / 2, 0));
    path.quadTo(-w * 0.4 + bend * 0.4, -len * 0.6, bend, -len);
    path.quadTo(w * 0.4 + bend * 0.4, -len * 0.6, w / 2, 0);
    path.closeSubpath();
    return path;
}

// A fin pointing along +x from a base of half-width `root` at the origin:
// a rounded fan, or a forked tail fin.
QPainterPath fan(double len, double root, bool forked) {
    QPainterPath path(QPointF(0, -root));
    path.quadTo(QPointF(len * 0.45, -len * 0.35), QPointF(len, -len * 0.55));
    if (forked) {
        path.quadTo(QPointF(len * 0.7, -len * 0.1), QPointF(len * 0.62, 0));
        path.quadTo(QPointF(len * 0.7, len * 0.1), QPointF(len, len * 0.55));
    } else {
        path.quadTo(QPointF(len * 1.15, -len * 0.1), QPointF(len * 0.95, len * 0.2));
        path.quadTo(QPointF(len * 0.85, len * 0.45), QPointF(len * 0.55, len * 0.4));
    }
    path.quadTo(QPointF(len * 0.45, len * 0.35), QPointF(0, root));
    path.closeSubpath();
    return path;
}

QPointF onHead(const Head& h, double degreesFromTop, double radiusFactor) {
    const double a = degreesFromTop * kPi / 180.0;
    return {h.c.x() + h.r * radiusFactor * std::sin(a), h.c.y() - h.r * radiusFactor * std::cos(a)};
}

void shadow(Ctx& c, double cx, double y, double rx, int alpha) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(20, 16, 30, alpha));
    c.p.drawEllipse(QPointF(cx, y), rx, rx * 0.16);
}

}  // namespace zorikan::painter
