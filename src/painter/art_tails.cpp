// The tails: thin, bushy, bolt, curly, fin, club and leaf.

#include "painter/art_paint.h"

#include <algorithm>

namespace zorikan::painter {

namespace {

// A thin tail with a leaf at its tip.
void thinTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    const QPointF tip = a + QPointF(s * len, -len * 1.1);
    QPainterPath path(a);
    path.cubicTo(a + QPointF(s * len * 0.7, len * 0.2), a + QPointF(s * len * 1.05, -len * 0.4),
                 tip);
    tube(c, path, 2.6, body.base, body.line);
    c.p.save();
    c.p.translate(tip);
    c.p.rotate(s * 15);
    part(c, leaf(len * 0.6, len * 0.42), acc);
    c.p.restore();
}

// A bushy plume with a tip in the accent colour.
void bushyTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    c.p.save();
    c.p.translate(a);
    c.p.scale(s, 1);
    QPainterPath plume(QPointF(-1, 3));
    plume.cubicTo(QPointF(len * 0.9, 6), QPointF(len * 1.3, -len * 0.4),
                  QPointF(len * 0.7, -len * 1.3));
    plume.cubicTo(QPointF(len * 0.55, -len * 0.7), QPointF(len * 0.1, -len * 0.6), QPointF(-1, -4));
    plume.closeSubpath();
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(shaded(plume.boundingRect(), body));
    c.p.drawPath(plume);
    c.p.save();
    c.p.setClipPath(plume);
    c.p.setBrush(acc.base);
    c.p.drawEllipse(QPointF(len * 0.75, -len * 1.25), len * 0.45, len * 0.5);
    c.p.restore();
    c.p.setPen(outlinePen(c, body.line));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(plume);
    c.p.restore();
}

// A zigzag bolt.
void boltTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    c.p.save();
    c.p.translate(a);
    c.p.scale(s, 1);
    const double u = len / 16.0;
    QPainterPath bolt(QPointF(-1, 2));
    bolt.lineTo(8 * u, -1 * u);
    bolt.lineTo(5 * u, -6 * u);
    bolt.lineTo(13 * u, -9 * u);
    bolt.lineTo(10 * u, -14 * u);
    bolt.lineTo(17 * u, -20 * u);
    bolt.lineTo(5 * u, -15 * u);
    bolt.lineTo(7 * u, -11 * u);
    bolt.lineTo(0, -8 * u);
    bolt.lineTo(2 * u, -4 * u);
    bolt.lineTo(-1, -3);
    bolt.closeSubpath();
    part(c, bolt, body);
    c.p.restore();
}

// A tail that curls back on itself.
void curlyTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    QPainterPath curl(a);
    curl.cubicTo(a + QPointF(s * len * 0.8, len * 0.1), a + QPointF(s * len * 1.05, -len * 0.7),
                 a + QPointF(s * len * 0.6, -len * 0.85));
    curl.cubicTo(a + QPointF(s * len * 0.3, -len * 0.9), a + QPointF(s * len * 0.3, -len * 0.45),
                 a + QPointF(s * len * 0.55, -len * 0.5));
    tube(c, curl, 3.2, body.base, body.line);
}

// A stalk ending in a fan fin.
void finTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    const QPointF end = a + QPointF(s * len * 0.6, -len * 0.3);
    QPainterPath stalk(a);
    stalk.quadTo(a + QPointF(s * len * 0.4, len * 0.1), end);
    tube(c, stalk, 4.5, body.base, body.line);
    c.p.save();
    c.p.translate(end);
    c.p.scale(s, 1);
    c.p.rotate(-35);
    part(c, fan(len * 0.75, 2.2, true), acc);
    c.p.restore();
}

// A stalk ending in a spiked club.
void clubTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    const QPointF end = a + QPointF(s * len * 0.85, -len * 0.7);
    QPainterPath stalk(a);
    stalk.quadTo(a + QPointF(s * len * 0.8, len * 0.1), end);
    tube(c, stalk, 3.4, body.base, body.line);
    const double br = 3.4 + len * 0.08;
    for (int i = 0; i < 5; ++i) {
        c.p.save();
        c.p.translate(end);
        c.p.rotate(-90 + i * 72);
        part(c, cone(br * 1.7, br * 0.7, 0), tonesOf(c.pal.ivory));
        c.p.restore();
    }
    part(c, ellipse(end, br, br), acc);
}

// A stalk ending in a broad leaf.
void leafTail(Ctx& c, QPointF a, int s, double len) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    const QPointF end = a + QPointF(s * len * 0.7, -len * 0.5);
    QPainterPath stalk(a);
    stalk.quadTo(a + QPointF(s * len * 0.6, len * 0.1), end);
    tube(c, stalk, 2.4, body.base, body.line);
    c.p.save();
    c.p.translate(end);
    c.p.rotate(s * 30);
    part(c, leaf(len * 0.85, len * 0.6), acc);
    c.p.restore();
}

}  // namespace

void drawTail(Ctx& c, QPointF a, int s, double reach) {
    const double size = c.k.tailSize;
    const double len = std::min(reach, 16.0 * size);
    switch (c.k.tail) {
        case TailThin:
            thinTail(c, a, s, len);
            break;
        case TailBushy:
            bushyTail(c, a, s, len);
            break;
        case TailBolt:
            boltTail(c, a, s, len);
            break;
        case TailCurly:
            curlyTail(c, a, s, len);
            break;
        case TailFin:
            finTail(c, a, s, len);
            break;
        case TailClub:
            clubTail(c, a, s, len);
            break;
        case TailLeaf:
            leafTail(c, a, s, len);
            break;
        default:
            break;
    }
}

}  // namespace zorikan::painter
