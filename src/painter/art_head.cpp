// Ears, horns and crests.

#include "painter/art_paint.h"

#include <cmath>
#include <initializer_list>

namespace zorikan::painter {

namespace {

QColor earInner(const Ctx& c) {
    return c.k.plainAccent == 0 ? mixColor(c.pal.body.light, QColor(255, 170, 180), 0.45)
                                : c.pal.accent.base;
}

// Where an ear sits round the head (degrees from its top) and how much more
// it leans out.
struct EarPlace {
    double at = 42, tilt = 4;
};

EarPlace earPlace(int kind) {
    EarPlace e;
    switch (kind) {
        case EarRound:
            e.at = 50;
            e.tilt = 0;
            break;
        case EarLong:
            e.at = 24;
            e.tilt = 10;
            break;
        case EarFloppy:
            e.at = 66;
            e.tilt = 74;
            break;
        case EarFin:
            e.at = 78;
            e.tilt = 18;
            break;
        case EarTuft:
            e.at = 38;
            e.tilt = 14;
            break;
        default:
            break;
    }
    return e;
}

// Each ear below is drawn upright from its base at (0,0), head radius r.

void pointyEar(Ctx& c, double r, double size) {
    const double len = r * 0.85 * size, w = r * 0.78;
    QPainterPath outer(QPointF(-w / 2, r * 0.2));
    outer.quadTo(-w * 0.42, -len * 0.5, 0, -len);
    outer.quadTo(w * 0.38, -len * 0.5, w / 2, r * 0.2);
    outer.closeSubpath();
    part(c, outer, c.pal.body);
    QPainterPath inner(QPointF(-w * 0.28, r * 0.05));
    inner.quadTo(-w * 0.22, -len * 0.45, 0, -len * 0.72);
    inner.quadTo(w * 0.2, -len * 0.45, w * 0.28, r * 0.05);
    inner.closeSubpath();
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(earInner(c));
    c.p.drawPath(inner);
}

void roundEar(Ctx& c, double r, double size) {
    const double er = r * 0.42 * size;
    part(c, ellipse(QPointF(0, -er * 0.55), er, er), c.pal.body);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(earInner(c));
    c.p.drawEllipse(QPointF(0, -er * 0.5), er * 0.55, er * 0.55);
}

// A long ear, or a floppy one a little shorter.
void longEar(Ctx& c, double r, double size, int kind) {
    const double len = r * (kind == EarLong ? 1.2 : 1.05) * size, w = r * 0.34;
    part(c, ellipse(QPointF(0, -len * 0.5), w, len * 0.55), c.pal.body);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(earInner(c));
    c.p.drawEllipse(QPointF(0, -len * 0.52), w * 0.5, len * 0.4);
}

void finEar(Ctx& c, double r, double size) {
    const double len = r * 0.85 * size;
    QPainterPath fin(QPointF(-r * 0.22, r * 0.15));
    fin.quadTo(-len * 0.5, -len * 0.6, -len * 0.15, -len);
    fin.quadTo(0, -len * 0.7, len * 0.22, -len * 0.88);
    fin.quadTo(len * 0.2, -len * 0.55, len * 0.5, -len * 0.55);
    fin.quadTo(len * 0.25, -len * 0.1, r * 0.22, r * 0.15);
    fin.closeSubpath();
    part(c, fin, c.pal.body);
    if (!c.compact) {
        c.p.setPen(outlinePen(c, c.pal.accent.base, 0.8));
        c.p.drawLine(QPointF(0, 0), QPointF(-len * 0.12, -len * 0.8));
        c.p.drawLine(QPointF(0, 0), QPointF(len * 0.32, -len * 0.55));
    }
}

void drawEar(Ctx& c, int kind, double r, double size) {
    switch (kind) {
        case EarPointy:
            pointyEar(c, r, size);
            break;
        case EarRound:
            roundEar(c, r, size);
            break;
        case EarLong:
        case EarFloppy:
            longEar(c, r, size, kind);
            break;
        case EarFin:
            finEar(c, r, size);
            break;
        case EarTuft:
            part(c, leaf(r * 0.75 * size, r * 0.5, r * 0.12), c.pal.body);
            break;
        default:
            break;
    }
}

void drawEars(Ctx& c, const Head& h) {
    const int kind = c.k.ears;
    if (kind == EarNone) return;
    const EarPlace place = earPlace(kind);
    for (int s : {-1, 1}) {
        c.p.save();
        c.p.translate(onHead(h, s * place.at, 0.82));
        c.p.rotate(s * (place.at + place.tilt));
        if (s < 0) c.p.scale(-1, 1);  // mirror so both ears share one shape
        drawEar(c, kind, h.r, c.k.earSize);
        c.p.restore();
    }
}

void drawHorns(Ctx& c, const Head& h) {
    if (c.k.horns == HornNone) return;
    const double r = h.r, size = c.k.hornSize;
    const Tones horn = c.k.ivoryHorns ? tonesOf(c.pal.ivory) : c.pal.accent;
    switch (c.k.horns) {
        case HornSingle: {
            c.p.save();
            c.p.translate(onHead(h, 0, 0.8));
            const QPainterPath path = cone(r * 0.75 * size, r * 0.42, r * 0.12);
            part(c, path, horn);
            if (!c.compact) {
                c.p.setPen(outlinePen(c, horn.line, 0.6));
                for (double f : {0.35, 0.6}) {
                    const double y = -r * 0.75 * size * f, half = r * 0.2 * (1 - f);
                    c.p.drawLine(QPointF(-half, y + 1), QPointF(half, y - 0.4));
                }
            }
            c.p.restore();
            break;
        }
        case HornTwin:
            for (int s : {-1, 1}) {
                c.p.save();
                c.p.translate(onHead(h, s * 26, 0.8));
                c.p.rotate(s * 24);
                part(c, cone(r * 0.7 * size, r * 0.34, s * r * 0.18), horn);
                c.p.restore();
            }
            break;
        case HornRam:
            for (int s : {-1, 1}) {
                const QPointF a = onHead(h, s * 55, 0.85);
                QPainterPath curl(a);
                curl.cubicTo(a + QPointF(s * r * 0.4, -r * 0.55 * size),
                             a + QPointF(s * r * 0.85, -r * 0.1),
                             a + QPointF(s * r * 0.55, r * 0.35 * size));
                curl.quadTo(a + QPointF(s * r * 0.3, r * 0.45), a + QPointF(s * r * 0.32, r * 0.2));
                tube(c, curl, r * 0.26, horn.base, horn.line);
            }
            break;
        case HornAntler:
            for (int s : {-1, 1}) {
                const QPointF a = onHead(h, s * 30, 0.85);
                const QPointF tip = a + QPointF(s * r * 0.55, -r * 0.8 * size);
                QPainterPath main(a);
                main.quadTo(a + QPointF(s * r * 0.05, -r * 0.6), tip);
                main.moveTo(a + QPointF(s * r * 0.1, -r * 0.45 * size));
                main.lineTo(a + QPointF(s * r * 0.55, -r * 0.5 * size));
                main.moveTo(a + QPointF(s * r * 0.27, -r * 0.62 * size));
                main.lineTo(a + QPointF(-s * r * 0.05, -r * 0.85 * size));
                tube(c, main, r * 0.13, horn.base, horn.line);
            }
            break;
        default:
            break;
    }
}

// Three leaves of the body's colour.
void tuftCrest(Ctx& c, const Head& h) {
    const double r = h.r;
    for (int i : {-1, 1, 0}) {
        c.p.save();
        c.p.translate(onHead(h, i * 14, 0.82));
        c.p.rotate(i * 26);
        part(c, leaf(r * (i == 0 ? 0.7 : 0.5), r * 0.42, r * 0.14), c.pal.body);
        c.p.restore();
    }
}

// A fan of spikes, two more on a fancy creature.
void spikeCrest(Ctx& c, const Head& h) {
    const double r = h.r;
    const int n = 3 + (c.k.fancy >= 2 ? 2 : 0);
    for (int i = 0; i < n; ++i) {
        const double a = -40 + 80.0 * i / (n - 1);
        c.p.save();
        c.p.translate(onHead(h, a, 0.85));
        c.p.rotate(a);
        const double len = r * (0.38 + 0.14 * (1.0 - std::abs(a) / 40.0));
        part(c, cone(len, r * 0.3, 0), c.pal.accent);
        c.p.restore();
    }
}

// A stem with two leaves.
void sproutCrest(Ctx& c, const Head& h) {
    const double r = h.r;
    const QPointF base = onHead(h, 0, 0.9);
    QPainterPath stem(base);
    stem.quadTo(base + QPointF(r * 0.05, -r * 0.3), base + QPointF(0, -r * 0.42));
    tube(c, stem, r * 0.1, c.pal.accent.shade, c.pal.accent.line);
    for (int s : {-1, 1}) {
        c.p.save();
        c.p.translate(base + QPointF(0, -r * 0.4));
        c.p.rotate(s * 62);
        part(c, leaf(r * 0.7, r * 0.5, s * r * 0.08), c.pal.accent);
        if (!c.compact) {
            c.p.setPen(outlinePen(c, c.pal.accent.line, 0.5));
            c.p.drawLine(QPointF(0, -r * 0.08), QPointF(s * r * 0.05, -r * 0.55));
        }
        c.p.restore();
    }
}

// A flame with a pale core.
void flameCrest(Ctx& c, const Head& h) {
    const double r = h.r;
    const QPointF base = onHead(h, 0, 0.8);
    QPainterPath flame(base + QPointF(-r * 0.35, 0));
    flame.cubicTo(base + QPointF(-r * 0.5, -r * 0.5), base + QPointF(-r * 0.1, -r * 0.6),
                  base + QPointF(-r * 0.05, -r * 0.9));
    flame.cubicTo(base + QPointF(r * 0.15, -r * 0.7), base + QPointF(r * 0.5, -r * 0.55),
                  base + QPointF(r * 0.35, 0));
    flame.closeSubpath();
    part(c, flame, c.pal.accent);
    QPainterPath core(base + QPointF(-r * 0.16, 0));
    core.quadTo(base + QPointF(-r * 0.2, -r * 0.4), base + QPointF(0, -r * 0.62));
    core.quadTo(base + QPointF(r * 0.2, -r * 0.35), base + QPointF(r * 0.16, 0));
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(mixColor(c.pal.accent.light, QColor(255, 250, 220), 0.5));
    c.p.drawPath(core);
}

// One antenna, or a pair on a bug, each with a knob.
void antennae(Ctx& c, const Head& h) {
    const double r = h.r;
    const bool pair = c.k.family == Bug;
    static constexpr int kBoth[2] = {-1, 1};
    for (int i = pair ? 0 : 1; i < 2; ++i) {
        const int s = kBoth[i];
        const QPointF a = onHead(h, pair ? s * 22 : 0, 0.85);
        const QPointF tip = a + QPointF(pair ? s * r * 0.5 : r * 0.15, -r * (pair ? 0.75 : 0.95));
        QPainterPath stalk(a);
        stalk.quadTo(a + QPointF(pair ? s * r * 0.05 : -r * 0.2, -r * 0.7), tip);
        tube(c, stalk, r * 0.09, c.pal.body.shade, c.pal.body.line);
        fillOutlined(c, ellipse(tip, r * 0.18, r * 0.18),
                     shaded(QRectF(tip.x() - 3, tip.y() - 3, 6, 6), c.pal.accent),
                     c.pal.accent.line);
    }
}

// A fin along the top of the head.
void finCrest(Ctx& c, const Head& h) {
    const double r = h.r;
    const QPointF base = onHead(h, 0, 0.8);
    QPainterPath fin(base + QPointF(-r * 0.45, 0));
    fin.quadTo(base + QPointF(-r * 0.35, -r * 0.7), base + QPointF(r * 0.2, -r * 0.85));
    fin.quadTo(base + QPointF(r * 0.05, -r * 0.45), base + QPointF(r * 0.45, 0));
    fin.closeSubpath();
    part(c, fin, c.pal.accent);
}

void drawCrest(Ctx& c, const Head& h) {
    switch (c.k.crest) {
        case CrestTuft:
            tuftCrest(c, h);
            break;
        case CrestSpikes:
            spikeCrest(c, h);
            break;
        case CrestSprout:
            sproutCrest(c, h);
            break;
        case CrestFlame:
            flameCrest(c, h);
            break;
        case CrestAntenna:
            antennae(c, h);
            break;
        case CrestFin:
            finCrest(c, h);
            break;
        default:
            break;
    }
}

}  // namespace

// Everything that sits behind the head: ears, horns, crest.
void drawHeadBack(Ctx& c, const Head& h) {
    drawEars(c, h);
    drawHorns(c, h);
    drawCrest(c, h);
}

}  // namespace zorikan::painter
