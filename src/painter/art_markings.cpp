// Spots, stripes, rings and bellies on a body part.

#include "painter/art_paint.h"

#include <algorithm>

#include "painter/art_rng.h"

namespace zorikan::painter {

namespace {

// Spots, rings or diamonds, kept to the left and right flanks so they frame
// the belly.
void drawFlankMarks(Ctx& c, const QRectF& area, Rng& r) {
    const Look& k = c.k;
    const QColor mark = c.pal.accent.base;
    for (int i = 0; i < k.patternCount; ++i) {
        const int s = i % 2 ? 1 : -1;
        const QPointF at(area.center().x() + s * area.width() * r.range(0.22, 0.48),
                         area.top() + area.height() * r.range(0.1, 0.9));
        const double rad =
            std::min(area.width(), area.height()) * r.range(0.07, 0.12) * (c.compact ? 1.15 : 1.0);
        if (k.pattern == PatSpots) {
            c.p.setBrush(mark);
            c.p.setPen(Qt::NoPen);
            c.p.drawEllipse(at, rad, rad * 0.85);
        } else if (k.pattern == PatRings) {
            c.p.setBrush(Qt::NoBrush);
            c.p.setPen(QPen(c.pal.accent.shade, rad * 0.45));
            c.p.drawEllipse(at, rad, rad * 0.85);
        } else {
            c.p.setBrush(mark);
            c.p.setPen(Qt::NoPen);
            QPainterPath d(at + QPointF(0, -rad * 1.2));
            d.lineTo(at + QPointF(rad * 0.8, 0));
            d.lineTo(at + QPointF(0, rad * 1.2));
            d.lineTo(at + QPointF(-rad * 0.8, 0));
            d.closeSubpath();
            c.p.drawPath(d);
        }
    }
}

// Tapered stripes reaching in from both flanks.
void drawStripes(Ctx& c, const QRectF& bounds, const QRectF& area) {
    const int n = std::min(c.k.patternCount, 4);
    c.p.setBrush(c.pal.accent.base);
    for (int i = 0; i < n; ++i) {
        const double y = area.top() + area.height() * (0.15 + 0.7 * i / std::max(1, n - 1));
        const double th = area.height() * 0.07 + 0.6;
        for (int s : {-1, 1}) {
            const double edge = bounds.center().x() + s * bounds.width() * 0.52;
            const double tip = bounds.center().x() + s * bounds.width() * 0.22;
            QPainterPath stripe(QPointF(edge, y - th));
            stripe.quadTo(QPointF((edge + tip) / 2, y - th * 0.6), QPointF(tip, y + th * 0.3));
            stripe.quadTo(QPointF((edge + tip) / 2, y + th * 0.6), QPointF(edge, y + th));
            stripe.closeSubpath();
            c.p.drawPath(stripe);
        }
    }
}

// The lower part of the body in the accent colour, under a wavy line.
void drawTwoTone(Ctx& c, const QRectF& bounds) {
    const double y = bounds.top() + bounds.height() * 0.74;
    QPainterPath low(QPointF(bounds.left() - 2, y));
    const int waves = 4;
    const double step = (bounds.width() + 4) / waves;
    for (int i = 0; i < waves; ++i) {
        const double x0 = bounds.left() - 2 + i * step;
        low.quadTo(QPointF(x0 + step / 2, y + (i % 2 ? -3 : 3)), QPointF(x0 + step, y));
    }
    low.lineTo(bounds.right() + 2, bounds.bottom() + 2);
    low.lineTo(bounds.left() - 2, bounds.bottom() + 2);
    low.closeSubpath();
    c.p.setBrush(c.pal.accent.base);
    c.p.drawPath(low);
}

void drawFreckles(Ctx& c, const QRectF& area, Rng& r) {
    c.p.setBrush(c.compact ? c.pal.accent.base : c.pal.accent.light);
    for (int i = 0; i < c.k.patternCount + 4; ++i) {
        const QPointF at(area.left() + area.width() * r.range(0.08, 0.92),
                         area.top() + area.height() * r.range(0.1, 0.9));
        const double rad = c.compact ? 1.6 : 1.1;
        c.p.drawEllipse(at, rad, rad);
    }
}

// Markings on a body part, clipped to it. `area` is where they may go (kept
// clear of the face on families whose face is on the body).
void drawPattern(Ctx& c, const QPainterPath& body, const QRectF& area) {
    const Look& k = c.k;
    if (!k.belly && k.pattern == PatNone) return;
    Rng r(k.detailSeed);
    c.p.save();
    c.p.setClipPath(body, Qt::IntersectClip);
    c.p.setPen(Qt::NoPen);
    const QRectF bounds = body.boundingRect();
    if (k.belly) {
        const QPointF bc(bounds.center().x(), bounds.bottom() - bounds.height() * 0.22);
        c.p.setBrush(c.pal.belly);
        c.p.drawEllipse(bc, bounds.width() * 0.3, bounds.height() * 0.3);
    }
    switch (k.pattern) {
        case PatSpots:
        case PatRings:
        case PatDiamonds:
            drawFlankMarks(c, area, r);
            break;
        case PatStripes:
            drawStripes(c, bounds, area);
            break;
        case PatTwoTone:
            drawTwoTone(c, bounds);
            break;
        case PatFreckles:
            drawFreckles(c, area, r);
            break;
        default:
            break;
    }
    c.p.restore();
}

}  // namespace

// A body part with its shading, markings and outline.
void body(Ctx& c, const QPainterPath& path, const QRectF& patternArea) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(shaded(path.boundingRect(), c.pal.body));
    c.p.drawPath(path);
    drawPattern(c, path, patternArea);
    c.p.setPen(outlinePen(c, c.pal.body.line));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(path);
}

}  // namespace zorikan::painter
