// Eyes, mouths, beaks, cheeks and face markings.

#include "painter/art_paint.h"

#include <algorithm>
#include <initializer_list>

namespace zorikan::painter {

namespace {

void drawEye(Ctx& c, QPointF at, double er, int s) {
    const Palette& pal = c.pal;
    // Small list pictures keep the plainest, boldest eye: a big dark pupil.
    const int style = c.compact && c.k.eyeStyle != EyeFierce ? EyeClassic : c.k.eyeStyle;
    const double rx = er * (style == EyeSparkle ? 1.05 : 0.95), ry = er * 1.12;
    const QPainterPath white = ellipse(at, rx, ry);
    fillOutlined(c, white, QColor(255, 255, 255), pal.body.line, c.compact ? 0.45 : 0.6);

    // Pupils look slightly inward and down: a friendly, focused gaze.
    const QPointF look = at + QPointF(-s * er * 0.12, er * 0.14);
    c.p.setPen(Qt::NoPen);
    if (style == EyeIris || style == EyeSparkle) {
        c.p.setBrush(style == EyeIris ? pal.accent.shade : pal.body.shade);
        c.p.drawEllipse(look, er * 0.72, er * 0.8);
        c.p.setBrush(pal.pupil);
        c.p.drawEllipse(look, er * 0.5, er * 0.58);
    } else {
        const double pupil = c.compact ? 0.52 : 0.5;
        c.p.setBrush(pal.pupil);
        c.p.drawEllipse(look, er * pupil, er * (pupil + 0.08));
    }
    c.p.setBrush(QColor(255, 255, 255));
    const double glint = er * (c.compact ? 0.3 : 0.27);
    c.p.drawEllipse(look + QPointF(-er * (c.compact ? 0.36 : 0.3), -er * (c.compact ? 0.4 : 0.32)),
                    glint, glint);
    if (!c.compact) c.p.drawEllipse(look + QPointF(er * 0.22, er * 0.28), er * 0.11, er * 0.11);

    if (style == EyeFierce && c.compact) {
        // Too small for an eyelid: a slanted brow above the eye says the same.
        c.p.setPen(outlinePen(c, pal.body.line, 0.9));
        c.p.drawLine(at + QPointF(s * er * 1.0, -er * 1.45),
                     at + QPointF(-s * er * 0.7, -er * 1.05));
    } else if (style == EyeFierce) {
        // An eyelid in the body colour over the top of the eye, slanting down
        // towards the middle of the face.
        QPainterPath lid(at + QPointF(-s * er * 1.3, -er * 1.4));
        lid.lineTo(at + QPointF(s * er * 1.3, -er * 1.4));
        lid.lineTo(at + QPointF(s * er * 1.3, -er * 0.9));
        lid.lineTo(at + QPointF(-s * er * 1.3, -er * 0.35));
        lid.closeSubpath();
        c.p.save();
        c.p.setClipPath(white);
        c.p.setBrush(pal.body.base);
        c.p.drawPath(lid);
        c.p.restore();
        c.p.setPen(outlinePen(c, pal.body.line, 1.1));
        c.p.drawLine(at + QPointF(s * er * 1.05, -er * 0.86),
                     at + QPointF(-s * er * 0.95, -er * 0.4));
    }
}

void drawMouth(Ctx& c, QPointF m, double w) {
    const Palette& pal = c.pal;
    QPen pen = outlinePen(c, pal.body.line, 0.9);
    switch (c.k.mouth) {
        case MouthSmile:
        case MouthFang: {
            QPainterPath smile(m + QPointF(-w, 0));
            smile.quadTo(m + QPointF(0, w * 0.9), m + QPointF(w, 0));
            c.p.setBrush(Qt::NoBrush);
            c.p.setPen(pen);
            c.p.drawPath(smile);
            if (c.k.mouth == MouthFang) {
                c.p.setPen(outlinePen(c, pal.body.line, 0.5));
                c.p.setBrush(QColor(255, 255, 255));
                for (int s : {-1, 1}) {
                    const QPointF f = m + QPointF(s * w * 0.5, w * 0.32);
                    QPainterPath fang(f + QPointF(-w * 0.2, -w * 0.06));
                    fang.lineTo(f + QPointF(s * w * 0.05, w * 0.45));
                    fang.lineTo(f + QPointF(w * 0.2, w * 0.06));
                    fang.closeSubpath();
                    c.p.drawPath(fang);
                }
            }
            break;
        }
        case MouthOpen: {
            QPainterPath open(m + QPointF(-w * 0.8, 0));
            open.quadTo(m + QPointF(0, w * 0.25), m + QPointF(w * 0.8, 0));
            open.quadTo(m + QPointF(w * 0.7, w * 1.3), m);
            open.quadTo(m + QPointF(-w * 0.7, w * 1.3), m + QPointF(-w * 0.8, 0));
            open.closeSubpath();
            fillOutlined(c, open, pal.mouth, pal.body.line, 0.8);
            c.p.save();
            c.p.setClipPath(open);
            c.p.setPen(Qt::NoPen);
            c.p.setBrush(pal.tongue);
            c.p.drawEllipse(m + QPointF(0, w * 0.9), w * 0.5, w * 0.35);
            c.p.restore();
            break;
        }
        case MouthCat: {
            QPainterPath cat(m + QPointF(-w, -w * 0.1));
            cat.quadTo(m + QPointF(-w * 0.5, w * 0.6), m + QPointF(0, 0));
            cat.quadTo(m + QPointF(w * 0.5, w * 0.6), m + QPointF(w, -w * 0.1));
            c.p.setBrush(Qt::NoBrush);
            c.p.setPen(pen);
            c.p.drawPath(cat);
            break;
        }
        default: {
            fillOutlined(c, ellipse(m + QPointF(0, w * 0.2), w * 0.32, w * 0.38), pal.mouth,
                         pal.body.line, 0.7);
            break;
        }
    }
}

void drawBeak(Ctx& c, QPointF m, double w) {
    const Tones beak = beakTones(c);
    QPainterPath upper(m + QPointF(-w, 0));
    upper.quadTo(m + QPointF(0, -w * 0.7), m + QPointF(w, 0));
    upper.quadTo(m + QPointF(w * 0.3, w * 0.55), m + QPointF(0, w * 1.1));
    upper.quadTo(m + QPointF(-w * 0.3, w * 0.55), m + QPointF(-w, 0));
    upper.closeSubpath();
    part(c, upper, beak);
    c.p.setPen(outlinePen(c, beak.line, 0.6));
    c.p.drawLine(m + QPointF(-w * 0.7, w * 0.05), m + QPointF(w * 0.7, w * 0.05));
}

}  // namespace

// Beaks and bird feet: the body colour warmed towards gold, so that on a
// greyish creature a bright second type colours only its accents.
Tones beakTones(const Ctx& c) {
    return tonesOf(mixColor(c.pal.body.base, QColor(250, 180, 60), 0.5));
}

// Eyes, mouth, cheeks and face markings on a head.
void drawFace(Ctx& c, const Head& h) {
    const Look& k = c.k;
    const double er = h.r * k.eyeSize * c.eyeBoost;
    const double gap = std::max(h.r * k.eyeGap * (c.eyeBoost > 1 ? 1.05 : 1.0), er * 1.12);
    const double ey = h.c.y() + h.r * k.eyeDy;
    const double cx = h.c.x();
    const double my = ey + er * 1.3 + h.r * 0.16;

    if (k.faceMark == MarkMask) {
        QPainterPath mask;
        mask.addRoundedRect(
            QRectF(cx - gap - er * 1.7, ey - er * 1.1, 2 * (gap + er * 1.7), er * 2.2), er * 1.1,
            er * 1.1);
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(c.pal.body.shade.darker(125));
        c.p.drawPath(mask);
    }
    if (k.muzzle) {
        const QPointF mc(cx, my - h.r * 0.05);
        fillOutlined(c, ellipse(mc, h.r * 0.42, h.r * 0.3),
                     shaded(QRectF(mc.x() - 6, mc.y() - 4, 12, 8), tonesOf(c.pal.belly)),
                     c.pal.body.line, 0.7);
    }
    if (k.cheeks) {
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(c.pal.blush);
        for (int s : {-1, 1})
            c.p.drawEllipse(QPointF(cx + s * (gap + er * 0.8), ey + er * 1.35), er * 0.62,
                            er * 0.4);
    }
    if (k.faceMark == MarkWhiskers && !c.compact) {
        c.p.setPen(outlinePen(c, c.pal.body.line, 0.6));
        for (int s : {-1, 1})
            for (int i : {0, 1}) {
                const QPointF a(cx + s * (gap + er * 0.6), ey + er * (1.4 + i * 0.5));
                c.p.drawLine(a, a + QPointF(s * h.r * 0.32, -h.r * 0.05 + i * h.r * 0.1));
            }
    }
    if (k.faceMark == MarkGem) {
        const QPointF g(cx, ey - er * 1.5 - h.r * 0.05);
        const double gs = h.r * 0.13 * (c.compact ? 1.2 : 1.0);
        QPainterPath gem(g + QPointF(0, -gs));
        gem.lineTo(g + QPointF(gs * 0.8, 0));
        gem.lineTo(g + QPointF(0, gs));
        gem.lineTo(g + QPointF(-gs * 0.8, 0));
        gem.closeSubpath();
        part(c, gem, c.pal.accent);
    }
    for (int s : {-1, 1}) drawEye(c, QPointF(cx + s * gap, ey), er, s);

    if (k.family == Bird) {
        drawBeak(c, QPointF(cx, ey + er * 0.9), h.r * 0.2 * (c.compact ? 1.2 : 1.0));
        return;
    }
    const double w = h.r * 0.17 * (c.compact ? 1.2 : 1.0);
    if (k.muzzle) {
        const QPointF nose(cx, my - h.r * 0.22);
        QPainterPath n(nose + QPointF(-w * 0.6, -w * 0.2));
        n.quadTo(nose + QPointF(0, -w * 0.45), nose + QPointF(w * 0.6, -w * 0.2));
        n.quadTo(nose + QPointF(w * 0.2, w * 0.4), nose);
        n.quadTo(nose + QPointF(-w * 0.2, w * 0.4), nose + QPointF(-w * 0.6, -w * 0.2));
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(c.pal.body.line);
        c.p.drawPath(n);
    }
    drawMouth(c, QPointF(cx, my), w);
}

}  // namespace zorikan::painter
