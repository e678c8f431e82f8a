// The body families that wear the face on the body itself: blob, bird,
// water creature, golem and floater.

#include "painter/art_paint.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "painter/art_rng.h"

namespace zorikan::painter {

void paintBlob(Ctx& c) {
    const Look& k = c.k;
    const double rx = 18.5 * k.bw, ry = 15.5 * k.bh, cx = 32, cy = 34;
    const QPainterPath shape = egg({cx, cy}, rx, ry, 0.85 + 0.25 * (1 - k.bh), 1.15, 0.12);
    const Head h{{cx, cy - ry * 0.45}, std::min(rx, ry * 1.1) * 0.82 * k.hs * c.headBoost};
    shadow(c, cx, cy + ry + 2.5, rx * 0.95);
    if (k.wings) drawWings(c, k.wings, {cx + rx * 0.5, cy - ry * 0.2}, 14);
    if (k.tail) drawTail(c, {cx + k.side * rx * 0.55, cy + ry * 0.5}, k.side, 24 - rx * 0.55);
    drawHeadBack(c, h);
    body(c, shape, QRectF(cx - rx, cy + ry * 0.1, 2 * rx, ry * 0.85));
    for (int s : {-1, 1}) foot(c, {cx + s * rx * 0.45, cy + ry * 0.97}, 5.5, 3.4);
    if (k.arms != 2)
        for (int s : {-1, 1}) {
            c.p.save();
            c.p.translate(cx + s * (rx - 0.5), cy + ry * 0.25);
            c.p.rotate(s * (k.arms == 0 ? -30 : 25));
            fillOutlined(c, ellipse({0, 0}, 3.2, 5), shaded(QRectF(-3, -5, 6, 10), c.pal.body),
                         c.pal.body.line);
            c.p.restore();
        }
    drawFace(c, h);
}

void paintBird(Ctx& c) {
    const Look& k = c.k;
    const double rx = 18 * k.bw, ry = 17.5 * k.bh, cx = 32, cy = 36;
    const QPainterPath shape = egg({cx, cy}, rx, ry, 0.9, 1.0, 0.15);
    const Head h{{cx, cy - ry * 0.5}, std::min(rx, ry) * 0.82 * k.hs * c.headBoost};
    shadow(c, cx, cy + ry + 3, rx * 0.8);
    if (k.fancy == 2) drawWings(c, WingFeather, {cx + rx * 0.55, cy - ry * 0.1}, 17);
    // tail feathers
    for (int i : {-1, 0, 1}) {
        c.p.save();
        c.p.translate(cx + i * 4, cy + ry * 0.75);
        c.p.rotate(180 + i * 28);
        part(c, leaf(9 + k.fancy * 1.5, 5.5), i == 0 ? c.pal.accent : c.pal.body);
        c.p.restore();
    }
    drawHeadBack(c, h);
    body(c, shape, QRectF(cx - rx, cy, 2 * rx, ry));
    for (int s : {-1, 1}) {  // feet: three toes each
        const QPointF f(cx + s * 6, cy + ry + 1.2);
        const Tones leg = beakTones(c);
        QPainterPath toes(f + QPointF(0, -2.5));
        toes.lineTo(f);
        toes.moveTo(f + QPointF(-2.8, 1.2));
        toes.lineTo(f);
        toes.lineTo(f + QPointF(2.8, 1.2));
        toes.moveTo(f);
        toes.lineTo(f + QPointF(0, 1.8));
        tube(c, toes, 1.6, leg.base, leg.line);
    }
    if (k.fancy < 2)  // folded wings at the sides
        for (int s : {-1, 1}) {
            c.p.save();
            c.p.translate(cx + s * (rx - 2), cy - 1);
            c.p.rotate(s * -155);
            c.p.scale(s, 1);
            QPainterPath w = leaf(15 * k.bh, 8.5, 2);
            QLinearGradient g(0, 0, 0, -15);
            g.setColorAt(0.0, c.pal.body.base);
            g.setColorAt(1.0, c.pal.accent.base);
            fillOutlined(c, w, QBrush(g), c.pal.body.line);
            c.p.restore();
        }
    drawFace(c, h);
}

void paintAquatic(Ctx& c) {
    const Look& k = c.k;
    const int s = k.side;
    const double rx = 16 * k.bw, ry = 17 * k.bh, cx = 32, cy = 35;
    const QPainterPath shape = egg({cx, cy}, rx, ry, 0.7, 1.2, 0.22);
    const Head h{{cx, cy - ry * 0.45}, std::min(rx, ry) * 0.85 * k.hs * c.headBoost};
    shadow(c, cx, cy + ry + 2, rx);
    if (k.wings) drawWings(c, k.wings, {cx + rx * 0.5, cy - ry * 0.3}, 14);
    drawTail(c, {cx + s * rx * 0.5, cy + ry * 0.6}, s, 24 - rx * 0.5);
    drawHeadBack(c, h);
    body(c, shape, QRectF(cx - rx, cy + ry * 0.05, 2 * rx, ry * 0.9));
    for (int t : {-1, 1}) {  // side fins
        c.p.save();
        c.p.translate(cx + t * (rx - 1.5), cy + ry * 0.2);
        c.p.scale(t, 1);
        c.p.rotate(35);
        part(c, fan(8.5 + 1.5 * k.fancy, 2.5, false), c.pal.accent);
        c.p.restore();
    }
    for (int t : {-1, 1}) {  // flippers
        c.p.save();
        c.p.translate(cx + t * rx * 0.42, cy + ry + 0.5);
        c.p.rotate(t * 12);
        fillOutlined(c, ellipse({0, 0}, 6, 2.8), shaded(QRectF(-6, -3, 12, 6), c.pal.body),
                     c.pal.body.line);
        c.p.restore();
    }
    drawFace(c, h);
}

void paintGolem(Ctx& c) {
    const Look& k = c.k;
    const double w = 33 * k.bw, hgt = 33 * k.bh, top = 17 - 10 * (k.bh - 1);
    const QRectF box(32 - w / 2, top, w, hgt);
    QPainterPath shape;
    shape.addRoundedRect(box, 11, 11);
    const Head h{{32, box.top() + 9.5 * k.hs}, 12.5 * k.hs * c.headBoost};
    shadow(c, 32, box.bottom() + 4, w * 0.55);
    if (k.tail) drawTail(c, {32 + k.side * w * 0.3, box.bottom() - 5}, k.side, 24 - w * 0.3);
    drawHeadBack(c, h);
    for (int s : {-1, 1}) {  // stumpy legs
        QPainterPath leg;
        leg.addRoundedRect(QRectF(32 + s * 8 - 5, box.bottom() - 4, 10, 8), 3.5, 3.5);
        part(c, leg, c.pal.body);
    }
    body(c, shape, QRectF(box.left(), box.center().y(), box.width(), box.height() / 2));
    for (int s : {-1, 1}) {  // chunky arms
        const QPointF sh(32 + s * (w / 2 - 1), box.top() + 15);
        QPainterPath a(sh);
        a.quadTo(sh + QPointF(s * 6, 4), sh + QPointF(s * 5, 14));
        tube(c, a, 7, c.pal.body.base, c.pal.body.line);
        part(c, ellipse(sh + QPointF(s * 5, 15), 5, 4.5), c.pal.body);
    }
    if (!c.compact) {  // a few cracks in the stone
        Rng r(k.detailSeed ^ 0x5A5A);
        c.p.setPen(outlinePen(c, c.pal.body.line, 0.55));
        for (int i = 0; i < 2; ++i) {
            const int s = i ? 1 : -1;
            const QPointF a(32 + s * w * 0.38, box.top() + hgt * r.range(0.55, 0.8));
            c.p.drawLine(a, a + QPointF(-s * 3, 2));
            c.p.drawLine(a + QPointF(-s * 3, 2), a + QPointF(-s * 4, 5));
        }
    }
    drawFace(c, h);
}

void paintFloater(Ctx& c) {
    const Look& k = c.k;
    const double r = 16.5 * k.bw, cx = 32, cy = 32, bottom = 50 + 2 * k.bh;
    const double dome = r * std::min(k.bh, 1.0);
    QPainterPath shape(QPointF(cx - r, cy));
    shape.arcTo(QRectF(cx - r, cy - dome, 2 * r, 2 * dome), 180, -180);
    shape.lineTo(cx + r, bottom - 3);
    const int scallops = 3 + (k.fancy > 0 ? 1 : 0);
    const double step = 2 * r / scallops;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = cx + r - i * step;
        shape.quadTo(QPointF(x0 - step * 0.5, bottom + 4), QPointF(x0 - step, bottom - 3));
    }
    shape.closeSubpath();
    const Head h{{cx, cy - 3}, r * 0.85 * k.hs * c.headBoost};
    shadow(c, cx, 59, r * 0.6, 34);
    if (k.wings) drawWings(c, k.wings, {cx + r * 0.5, cy - 2}, 15);
    if (k.tail) drawTail(c, {cx + k.side * r * 0.6, bottom - 5}, k.side, 24 - r * 0.6);
    drawHeadBack(c, h);
    body(c, shape, QRectF(cx - r, cy + 6, 2 * r, bottom - cy - 6));
    for (int s : {-1, 1}) {  // little raised arms
        c.p.save();
        c.p.translate(cx + s * (r + 0.5), cy + 6);
        c.p.rotate(s * (k.arms == 1 ? 60 : 120));
        part(c, leaf(7, 5.5), c.pal.body);
        c.p.restore();
    }
    drawFace(c, h);
}

}  // namespace zorikan::painter
