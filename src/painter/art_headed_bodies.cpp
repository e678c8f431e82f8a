// The body families with a head of their own: biped, four-legged beast,
// serpent and bug.

#include "painter/art_paint.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace zorikan::painter {

void paintBiped(Ctx& c) {
    const Look& k = c.k;
    const double hr = 12.5 * k.hs * c.headBoost;
    const Head h{{32, 12 + hr}, hr};
    const double rx = 12 * k.bw, ry = 10 * k.bh;
    const QPointF bc(32, 45);
    const QPainterPath torso = egg(bc, rx, ry, 0.8, 1.1, 0.15);
    shadow(c, 32, 57.5, rx + 3);
    if (k.wings) drawWings(c, k.wings, {32 + rx * 0.4, bc.y() - ry * 0.6}, 16);
    if (k.tail) drawTail(c, {32 + k.side * rx * 0.5, bc.y() + ry * 0.4}, k.side, 24 - rx * 0.5);
    for (int s : {-1, 1}) {
        QPainterPath leg(QPointF(32 + s * 6, bc.y() + ry * 0.3));
        leg.lineTo(32 + s * 6.5, 54.5);
        tube(c, leg, 5.5, c.pal.body.shade, c.pal.body.line);
    }
    body(c, torso, QRectF(bc.x() - rx, bc.y() - ry, 2 * rx, 2 * ry));
    for (int s : {-1, 1}) foot(c, {32.0 + s * 7, 56}, 5.5, 3.2);
    arms(c, {32 + rx * 0.8, bc.y() - ry * 0.45}, 4.2);
    drawHeadBack(c, h);
    part(c, ellipse(h.c, hr * 1.05, hr), c.pal.body);
    drawFace(c, h);
}

void paintQuadruped(Ctx& c) {
    const Look& k = c.k;
    const int s = k.side;
    const double rx = 17 * k.bw, ry = 10.5 * k.bh;
    const QPointF bc(32 + s * 5, 42);
    const double hr = 12.5 * k.hs * c.headBoost;
    const Head h{{32.0 - s * 8, 15 + hr * 0.9}, hr};
    shadow(c, bc.x() - s * 2, 58, rx + 3);
    if (k.wings) drawWings(c, k.wings, {32 + 6, bc.y() - ry}, 15);
    if (k.tail)
        drawTail(c, {bc.x() + s * rx * 0.75, bc.y() - ry * 0.3}, s,
                 25 - std::abs(bc.x() + s * rx * 0.75 - 32));
    const double legX[2] = {bc.x() - s * rx * 0.55, bc.x() + s * rx * 0.6};
    for (double x : legX) {  // far legs, in shadow
        QPainterPath leg(QPointF(x + s * 3, bc.y()));
        leg.lineTo(x + s * 3, 54.5);
        tube(c, leg, 5.2, c.pal.body.shade, c.pal.body.line);
    }
    const QPainterPath shape = egg(bc, rx, ry, 1.0, 1.0, 0.05);
    body(c, shape, QRectF(bc.x() - rx * 0.6, bc.y() - ry, rx * 1.6, ry * 2));
    for (double x : legX) {  // near legs
        QPainterPath leg(QPointF(x, bc.y() + ry * 0.3));
        leg.lineTo(x, 55.5);
        tube(c, leg, 6, c.pal.body.base, c.pal.body.line);
        foot(c, {x, 56.5}, 4.2, 2.6);
    }
    drawHeadBack(c, h);
    part(c, ellipse(h.c, hr * 1.08, hr), c.pal.body);
    drawFace(c, h);
}

void paintSerpent(Ctx& c) {
    const Look& k = c.k;
    const int s = k.side;
    const double w = 19 * k.bw;
    shadow(c, 32, 58.5, w + 2);
    if (k.wings) drawWings(c, k.wings, {36, 32}, 16);
    const Tones& t = c.pal.body;
    // the tail tip curls out from under the bottom coil
    QPainterPath tip(QPointF(32 + s * w * 0.6, 54));
    tip.quadTo(QPointF(32 + s * (w + 3), 55), QPointF(32 + s * (w + 4), 47));
    tube(c, tip, 3.2, t.base, t.line);
    // coils, bottom first
    const QPainterPath low = ellipse({32, 51.5}, w, 6.5);
    body(c, low, low.boundingRect());
    const QPainterPath mid = ellipse({32 - s * 1.5, 45}, w * 0.78, 5.8);
    body(c, mid, mid.boundingRect());
    const double hr = 12.5 * k.hs * c.headBoost;
    const Head h{{32.0 + s * 3, 11 + hr}, hr};
    QPainterPath neck(QPointF(32 - s * 3, 45));
    neck.cubicTo(QPointF(32 - s * 10, 36), QPointF(32 + s * 6, 34), h.c + QPointF(0, hr * 0.5));
    tube(c, neck, 9 * k.bw, t.base, t.line);
    c.p.setPen(QPen(c.pal.belly, 3.2, Qt::SolidLine, Qt::RoundCap));
    c.p.drawPath(neck);
    drawHeadBack(c, h);
    part(c, ellipse(h.c, hr * 1.12, hr * 0.95), t);
    drawFace(c, h);
}

void paintBug(Ctx& c) {
    const Look& k = c.k;
    const double rx = 14.5 * k.bw, ry = 10.5 * k.bh;
    const QPointF bc(32, 45.5);
    const double hr = 12 * k.hs * c.headBoost;
    const Head h{{32, 14 + hr}, hr};
    shadow(c, 32, 58, rx + 6);
    if (k.wings) drawWings(c, WingInsect, {36, bc.y() - ry * 0.7}, 17);
    for (int s : {-1, 1})  // six legs
        for (int i = 0; i < 3; ++i) {
            // Jointed legs: out and up to a knee, then down to the ground.
            const QPointF root(32 + s * rx * 0.75, bc.y() - ry * 0.3 + i * ry * 0.38);
            const QPointF knee = root + QPointF(s * (4.5 + i * 0.6), -4.5 + i * 1.2);
            const QPointF toe(knee.x() + s * (3.2 - i * 0.6), 56 + i * 0.4);
            QPainterPath leg(root);
            leg.lineTo(knee);
            leg.lineTo(toe);
            tube(c, leg, 1.9, c.pal.body.shade, c.pal.body.line);
        }
    const QPainterPath abdomen = egg(bc, rx, ry, 1.0, 0.9, 0.1);
    body(c, abdomen, QRectF(bc.x() - rx, bc.y() - ry, 2 * rx, 2 * ry));
    if (k.pattern == PatNone) {  // segment lines
        c.p.save();
        c.p.setClipPath(abdomen);
        c.p.setPen(outlinePen(c, c.pal.body.line, 0.7));
        c.p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 2; ++i)
            c.p.drawArc(QRectF(bc.x() - rx, bc.y() - ry * (0.2 - i * 0.5), rx * 2, ry * 1.2),
                        200 * 16, 140 * 16);
        c.p.restore();
    }
    drawHeadBack(c, h);
    part(c, ellipse(h.c, hr * 1.1, hr), c.pal.body);
    drawFace(c, h);
}

}  // namespace zorikan::painter
