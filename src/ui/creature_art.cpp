#include "ui/creature_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace zorikan::ui {

namespace {

constexpr int kSpeciesTotal = 386;
constexpr double kPi = 3.14159265358979323846;

// Everything is drawn on a 64 x 64 canvas and scaled to the wanted size.
constexpr double kCanvas = 64.0;
// Smaller creatures shrink towards this point, which sits just below the eye
// line, so every face stays in the upper half of the picture.
constexpr double kPivotX = 32.0;
constexpr double kPivotY = 34.0;

// splitmix64: the same species draws the same sequence on every machine
// (the standard distributions differ between libraries).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int pick(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return unit() < p; }
    // Index chosen with the given relative weights.
    int weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights) total += w;
        int r = pick(total);
        int i = 0;
        for (int w : weights) {
            if (r < w) return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }

private:
    std::uint64_t state_;
};

// Evolution lines: the species run in consecutive groups of one to three
// stages. The grouping is fixed by a hash, walked from species 1.
struct LineInfo {
    int start;
    int length;
    int stage;
};

LineInfo lineOf(int species) {
    if (species < 1 || species > kSpeciesTotal) return {species, 1, 0};
    int start = 1;
    for (;;) {
        Rng r(0x11E5EED0000ULL + static_cast<std::uint64_t>(start));
        const double u = r.unit();
        int length = u < 0.22 ? 1 : (u < 0.55 ? 2 : 3);
        length = std::min(length, kSpeciesTotal - start + 1);
        if (species < start + length) return {start, length, species - start};
        start += length;
    }
}

enum Family { Blob, Biped, Quadruped, Bird, Aquatic, Serpent, Bug, Golem, Floater, FamilyCount };
enum Ears { EarNone, EarPointy, EarRound, EarLong, EarFloppy, EarFin, EarTuft };
enum Horns { HornNone, HornSingle, HornTwin, HornRam, HornAntler };
enum Crest { CrestNone, CrestTuft, CrestSpikes, CrestSprout, CrestFlame, CrestAntenna, CrestFin };
enum Tail { TailNone, TailThin, TailBushy, TailBolt, TailCurly, TailFin, TailClub, TailLeaf };
enum Wings { WingNone, WingFeather, WingBat, WingInsect };
enum Pattern { PatNone, PatSpots, PatStripes, PatTwoTone, PatFreckles, PatRings, PatDiamonds };
enum FaceMark { MarkNone, MarkGem, MarkMask, MarkWhiskers };
enum EyeStyle { EyeClassic, EyeIris, EyeFierce, EyeSparkle };
enum Mouth { MouthSmile, MouthOpen, MouthCat, MouthFang, MouthTiny };

// Everything that decides how one species looks.
struct Look {
    int family = Blob;
    int fancy = 0;  // 0 = first stage .. 2 = final, showy stage
    double scale = 1.0;
    double bw = 1.0, bh = 1.0, hs = 1.0;  // body width, body height, head size
    int ears = EarNone;
    double earSize = 1.0;
    int horns = HornNone;
    double hornSize = 1.0;
    bool ivoryHorns = true;
    int crest = CrestNone;
    int tail = TailNone;
    double tailSize = 1.0;
    int wings = WingNone;
    int pattern = PatNone;
    int patternCount = 3;
    bool belly = false;
    int faceMark = MarkNone;
    int eyeStyle = EyeClassic;
    double eyeSize = 0.27, eyeGap = 0.42, eyeDy = -0.1;
    int mouth = MouthSmile;
    bool cheeks = false;
    bool muzzle = false;
    int arms = 0;
    int side = 1;  // which way asymmetric parts (tail, quadruped head) face
    double hueShift = 0.0, valueScale = 1.0;
    int plainAccent = 0;  // accent choice when there is no secondary type
    std::uint64_t detailSeed = 0;
};

Look makeLook(int species) {
    const LineInfo line = lineOf(species);
    Rng L(0xC0FFEE00ULL ^ (static_cast<std::uint64_t>(line.start) * 0x2545F4914F6CDD1DULL));
    Rng S(0xABCDEF12ULL ^ (static_cast<std::uint64_t>(species) * 0x9E3779B97F4A7C15ULL));
    Look k;

    // Line-level choices come first and in a fixed order, so all stages of a
    // line agree on them.
    k.family = L.pick(FamilyCount);
    k.bw = L.range(0.9, 1.1);
    k.bh = L.range(0.9, 1.1);
    k.hs = L.range(0.92, 1.1);
    const int earDraw = L.weighted({3, 3, 2, 2, 2, 1, 1});
    k.earSize = L.range(0.8, 1.1);
    const int hornKind = 1 + L.weighted({3, 3, 2, 1});
    const int hornFrom = L.weighted({1, 2, 2, 3});  // stage the horns appear, 3 = never
    k.hornSize = L.range(0.85, 1.15);
    k.ivoryHorns = L.chance(0.6);
    const int crestKind = 1 + L.pick(6);
    const int crestFrom = L.weighted({2, 2, 2, 3});
    const int tailKind = L.weighted({2, 2, 2, 1, 1, 1, 1, 1});
    const int wingKind = 1 + L.pick(3);
    const int wingFrom = L.weighted({1, 1, 2, 6});
    k.pattern = L.weighted({3, 3, 3, 1, 1, 1, 1});
    const int patternBase = 2 + L.pick(3);
    k.belly = L.chance(0.45);
    const int markKind = 1 + L.pick(3);
    const int markFrom = L.weighted({1, 1, 2, 4});
    k.eyeStyle = L.weighted({5, 2, 1, 2});
    k.eyeSize = L.range(0.32, 0.38);
    k.eyeGap = L.range(0.42, 0.5);
    k.eyeDy = L.range(-0.25, -0.05);
    k.mouth = L.pick(5);
    k.cheeks = L.chance(0.35);
    k.muzzle = L.chance(0.4);
    k.arms = L.pick(3);
    k.side = L.chance(0.5) ? 1 : -1;
    k.hueShift = L.range(-5.0, 5.0);
    k.valueScale = L.range(0.95, 1.05);
    k.plainAccent = L.pick(2);
    k.detailSeed = L.next();

    // Stage: first forms are small, round and big-eyed; later ones grow and
    // gain horns, crests, wings and bolder markings.
    static constexpr double kScales[3][3] = {{0.96, 0, 0}, {0.82, 1.0, 0}, {0.78, 0.89, 1.0}};
    const int stage = line.stage;
    if (line.length == 1)
        k.fancy = 1 + S.pick(2);
    else if (line.length == 2)
        k.fancy = stage * 2;
    else
        k.fancy = stage;
    k.scale = kScales[line.length - 1][stage] + S.range(-0.02, 0.02);
    k.bw *= S.range(0.97, 1.03) * (1.0 + 0.03 * k.fancy);
    k.bh *= S.range(0.97, 1.03) * (0.94 + 0.05 * k.fancy);
    k.hs *= S.range(0.97, 1.03) * (1.06 - 0.04 * k.fancy);
    k.eyeSize *= (1.1 - 0.06 * k.fancy) * S.range(0.96, 1.04);
    k.earSize *= 0.9 + 0.1 * k.fancy;
    k.tailSize = 0.8 + 0.12 * k.fancy + S.range(-0.03, 0.03);
    k.patternCount = patternBase + k.fancy;
    k.ears = earDraw;
    k.horns = hornFrom <= k.fancy ? hornKind : HornNone;
    k.crest = crestFrom <= k.fancy ? crestKind : CrestNone;
    k.tail = tailKind;
    k.wings = wingFrom <= k.fancy ? wingKind : WingNone;
    k.faceMark = markFrom <= k.fancy ? markKind : MarkNone;
    if (k.fancy == 0 && k.eyeStyle == EyeFierce) k.eyeStyle = EyeClassic;
    if (k.fancy == 2 && k.eyeStyle == EyeClassic && S.chance(0.4)) k.eyeStyle = EyeFierce;

    // What each body family can carry.
    switch (k.family) {
        case Bird:
            if (k.ears != EarNone && k.ears != EarTuft) k.ears = EarNone;
            k.tail = TailNone;
            k.wings = WingNone;
            if (k.crest == CrestAntenna || k.crest == CrestFin) k.crest = CrestTuft;
            if (k.horns == HornAntler || k.horns == HornRam) k.horns = HornTwin;
            k.muzzle = false;
            break;
        case Aquatic:
            if (k.ears != EarFin) k.ears = k.ears == EarPointy ? EarFin : EarNone;
            k.tail = TailFin;
            if (k.crest == CrestNone || k.crest == CrestAntenna || k.crest == CrestTuft)
                k.crest = CrestFin;
            if (k.wings == WingInsect) k.wings = WingNone;
            k.muzzle = false;
            break;
        case Serpent:
            if (k.ears == EarLong || k.ears == EarFloppy) k.ears = EarFin;
            k.tail = TailNone;
            if (k.wings == WingInsect) k.wings = WingFeather;
            k.muzzle = false;
            break;
        case Bug:
            k.ears = EarNone;
            k.crest = CrestAntenna;
            k.tail = TailNone;
            if (k.wings != WingNone) k.wings = WingInsect;
            k.muzzle = false;
            if (k.horns == HornRam || k.horns == HornAntler) k.horns = HornSingle;
            break;
        case Golem:
            if (k.ears != EarRound && k.ears != EarPointy) k.ears = EarNone;
            if (k.tail != TailClub) k.tail = TailNone;
            k.wings = WingNone;
            if (k.crest != CrestNone) k.crest = CrestSpikes;
            break;
        case Floater:
            if (k.ears == EarFloppy || k.ears == EarLong) k.ears = EarTuft;
            k.tail = (k.tail == TailNone) ? TailNone : TailCurly;
            if (k.wings == WingFeather) k.wings = WingBat;
            if (k.wings == WingInsect) k.wings = WingNone;
            k.muzzle = false;
            break;
        case Blob:
            if (k.wings == WingInsect) k.wings = WingFeather;
            k.muzzle = false;
            break;
        default: break;
    }
    if (k.fancy == 0 && k.wings == WingBat) k.wings = WingNone;
    return k;
}

QColor fromHsv(double h, double s, double v, int alpha = 255) {
    h = std::fmod(h + 360.0, 360.0);
    return QColor::fromHsvF(static_cast<float>(h / 360.0),
                            static_cast<float>(std::clamp(s, 0.0, 1.0)),
                            static_cast<float>(std::clamp(v, 0.0, 1.0)), alpha / 255.0f);
}

QColor mixColor(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

// A colour's hue, saturation and value (hue in degrees; greys report 0).
struct Hsv {
    double h, s, v;
};

Hsv hsvOf(const QColor& c) {
    float h = 0, s = 0, v = 0;
    c.getHsvF(&h, &s, &v);
    return {h < 0 ? 0.0 : h * 360.0, s, v};
}

// One colour with its highlight, shadow and outline tones.
struct Tones {
    QColor base, light, shade, line;
};

Tones tonesOf(const QColor& c) {
    const Hsv t = hsvOf(c);
    return {c, fromHsv(t.h, t.s * 0.72, t.v * 1.2 + 0.05), fromHsv(t.h, t.s * 1.08, t.v * 0.78),
            fromHsv(t.h, t.s * 1.05 + 0.1, std::max(0.27, t.v * 0.42))};
}

struct Palette {
    Tones body, accent;
    QColor belly, ivory, pupil, blush, mouth, tongue;
};

Palette makePalette(const Look& k, int type1, int type2) {
    Palette p;
    const Hsv b = hsvOf(typeColor(type1));
    p.body = tonesOf(fromHsv(b.h + k.hueShift, b.s, b.v * k.valueScale));
    if (type2 >= 1 && type2 <= 17 && type2 != type1) {
        p.accent = tonesOf(typeColor(type2));
    } else if (k.plainAccent == 0) {
        p.accent = tonesOf(mixColor(p.body.base, QColor(255, 246, 226), 0.62));
    } else {
        p.accent = tonesOf(fromHsv(b.h + k.hueShift, b.s * 1.05, b.v * 0.6));
    }
    p.belly = mixColor(p.body.base, QColor(255, 248, 230), 0.6);
    p.ivory = QColor(246, 238, 218);
    p.pupil = QColor(24, 20, 32);
    p.blush = QColor(255, 105, 125, 120);
    p.mouth = QColor(120, 30, 42);
    p.tongue = QColor(240, 110, 120);
    return p;
}

struct Head {
    QPointF c;
    double r;
};

// What one painting job needs at hand.
struct Ctx {
    QPainter& p;
    const Look& k;
    const Palette& pal;
    double ow;         // outline width in canvas units
    bool compact;      // painting a small list picture: skip fine detail
    double eyeBoost;   // list pictures: eyes larger than the head alone gives
    double headBoost;  // list pictures: heads and faces a little larger
};

QPen outlinePen(const Ctx& c, const QColor& color, double factor = 1.0) {
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
                  double factor = 1.0) {
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
QPainterPath leaf(double len, double w, double bend = 0.0) {
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

QPointF onHead(const Head& h, double degreesFromTop, double radiusFactor = 1.0) {
    const double a = degreesFromTop * kPi / 180.0;
    return {h.c.x() + h.r * radiusFactor * std::sin(a), h.c.y() - h.r * radiusFactor * std::cos(a)};
}

void shadow(Ctx& c, double cx, double y, double rx, int alpha = 46) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(QColor(20, 16, 30, alpha));
    c.p.drawEllipse(QPointF(cx, y), rx, rx * 0.16);
}

// ---- head features ---------------------------------------------------------

QColor earInner(const Ctx& c) {
    return c.k.plainAccent == 0 ? mixColor(c.pal.body.light, QColor(255, 170, 180), 0.45)
                                : c.pal.accent.base;
}

void drawEars(Ctx& c, const Head& h) {
    const int kind = c.k.ears;
    if (kind == EarNone) return;
    const double r = h.r;
    const double size = c.k.earSize;
    for (int s : {-1, 1}) {
        c.p.save();
        double at = 42, tilt = 4;
        switch (kind) {
            case EarRound:
                at = 50;
                tilt = 0;
                break;
            case EarLong:
                at = 24;
                tilt = 10;
                break;
            case EarFloppy:
                at = 66;
                tilt = 74;
                break;
            case EarFin:
                at = 78;
                tilt = 18;
                break;
            case EarTuft:
                at = 38;
                tilt = 14;
                break;
            default: break;
        }
        c.p.translate(onHead(h, s * at, 0.82));
        c.p.rotate(s * (at + tilt));
        if (s < 0) c.p.scale(-1, 1);  // mirror so both ears share one shape
        switch (kind) {
            case EarPointy: {
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
                break;
            }
            case EarRound: {
                const double er = r * 0.42 * size;
                part(c, ellipse(QPointF(0, -er * 0.55), er, er), c.pal.body);
                c.p.setPen(Qt::NoPen);
                c.p.setBrush(earInner(c));
                c.p.drawEllipse(QPointF(0, -er * 0.5), er * 0.55, er * 0.55);
                break;
            }
            case EarLong:
            case EarFloppy: {
                const double len = r * (kind == EarLong ? 1.2 : 1.05) * size, w = r * 0.34;
                part(c, ellipse(QPointF(0, -len * 0.5), w, len * 0.55), c.pal.body);
                c.p.setPen(Qt::NoPen);
                c.p.setBrush(earInner(c));
                c.p.drawEllipse(QPointF(0, -len * 0.52), w * 0.5, len * 0.4);
                break;
            }
            case EarFin: {
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
                break;
            }
            case EarTuft: {
                const double len = r * 0.75 * size;
                part(c, leaf(len, r * 0.5, r * 0.12), c.pal.body);
                break;
            }
            default: break;
        }
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
        default: break;
    }
}

void drawCrest(Ctx& c, const Head& h) {
    const double r = h.r;
    switch (c.k.crest) {
        case CrestTuft:
            for (int i : {-1, 1, 0}) {
                c.p.save();
                c.p.translate(onHead(h, i * 14, 0.82));
                c.p.rotate(i * 26);
                part(c, leaf(r * (i == 0 ? 0.7 : 0.5), r * 0.42, r * 0.14), c.pal.body);
                c.p.restore();
            }
            break;
        case CrestSpikes: {
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
            break;
        }
        case CrestSprout: {
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
            break;
        }
        case CrestFlame: {
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
            break;
        }
        case CrestAntenna: {
            const bool pair = c.k.family == Bug;
            static constexpr int kBoth[2] = {-1, 1};
            for (int i = pair ? 0 : 1; i < 2; ++i) {
                const int s = kBoth[i];
                const QPointF a = onHead(h, pair ? s * 22 : 0, 0.85);
                const QPointF tip =
                    a + QPointF(pair ? s * r * 0.5 : r * 0.15, -r * (pair ? 0.75 : 0.95));
                QPainterPath stalk(a);
                stalk.quadTo(a + QPointF(pair ? s * r * 0.05 : -r * 0.2, -r * 0.7), tip);
                tube(c, stalk, r * 0.09, c.pal.body.shade, c.pal.body.line);
                fillOutlined(c, ellipse(tip, r * 0.18, r * 0.18),
                             shaded(QRectF(tip.x() - 3, tip.y() - 3, 6, 6), c.pal.accent),
                             c.pal.accent.line);
            }
            break;
        }
        case CrestFin: {
            const QPointF base = onHead(h, 0, 0.8);
            QPainterPath fin(base + QPointF(-r * 0.45, 0));
            fin.quadTo(base + QPointF(-r * 0.35, -r * 0.7), base + QPointF(r * 0.2, -r * 0.85));
            fin.quadTo(base + QPointF(r * 0.05, -r * 0.45), base + QPointF(r * 0.45, 0));
            fin.closeSubpath();
            part(c, fin, c.pal.accent);
            break;
        }
        default: break;
    }
}

// Everything that sits behind the head: ears, horns, crest.
void drawHeadBack(Ctx& c, const Head& h) {
    drawEars(c, h);
    drawHorns(c, h);
    drawCrest(c, h);
}

// ---- face ------------------------------------------------------------------

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

// Beaks and bird feet: the accent colour warmed towards gold.
Tones beakTones(const Ctx& c) {
    return tonesOf(mixColor(c.pal.accent.base, QColor(250, 180, 60), 0.5));
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

// ---- body markings ---------------------------------------------------------

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
    const QColor mark = c.pal.accent.base;
    switch (k.pattern) {
        case PatSpots:
        case PatRings:
        case PatDiamonds:
            for (int i = 0; i < k.patternCount; ++i) {
                // Spots keep to the left and right flanks so they frame the belly.
                const int s = i % 2 ? 1 : -1;
                const QPointF at(area.center().x() + s * area.width() * r.range(0.22, 0.48),
                                 area.top() + area.height() * r.range(0.1, 0.9));
                const double rad = std::min(area.width(), area.height()) * r.range(0.07, 0.12) *
                                   (c.compact ? 1.15 : 1.0);
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
            break;
        case PatStripes: {
            // Tapered stripes reaching in from both flanks.
            const int n = std::min(k.patternCount, 4);
            c.p.setBrush(mark);
            for (int i = 0; i < n; ++i) {
                const double y = area.top() + area.height() * (0.15 + 0.7 * i / std::max(1, n - 1));
                const double th = area.height() * 0.07 + 0.6;
                for (int s : {-1, 1}) {
                    const double edge = bounds.center().x() + s * bounds.width() * 0.52;
                    const double tip = bounds.center().x() + s * bounds.width() * 0.22;
                    QPainterPath stripe(QPointF(edge, y - th));
                    stripe.quadTo(QPointF((edge + tip) / 2, y - th * 0.6),
                                  QPointF(tip, y + th * 0.3));
                    stripe.quadTo(QPointF((edge + tip) / 2, y + th * 0.6), QPointF(edge, y + th));
                    stripe.closeSubpath();
                    c.p.drawPath(stripe);
                }
            }
            break;
        }
        case PatTwoTone: {
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
            c.p.setBrush(mark);
            c.p.drawPath(low);
            break;
        }
        case PatFreckles:
            c.p.setBrush(c.compact ? c.pal.accent.base : c.pal.accent.light);
            for (int i = 0; i < k.patternCount + 4; ++i) {
                const QPointF at(area.left() + area.width() * r.range(0.08, 0.92),
                                 area.top() + area.height() * r.range(0.1, 0.9));
                const double rad = c.compact ? 1.6 : 1.1;
                c.p.drawEllipse(at, rad, rad);
            }
            break;
        default: break;
    }
    c.p.restore();
}

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

// ---- limbs, tails, wings ---------------------------------------------------

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

void drawTail(Ctx& c, QPointF a, int s, double reach) {
    const double size = c.k.tailSize;
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    const double len = std::min(reach, 16.0 * size);
    switch (c.k.tail) {
        case TailThin: {
            const QPointF tip = a + QPointF(s * len, -len * 1.1);
            QPainterPath path(a);
            path.cubicTo(a + QPointF(s * len * 0.7, len * 0.2),
                         a + QPointF(s * len * 1.05, -len * 0.4), tip);
            tube(c, path, 2.6, body.base, body.line);
            c.p.save();
            c.p.translate(tip);
            c.p.rotate(s * 15);
            part(c, leaf(len * 0.6, len * 0.42), acc);
            c.p.restore();
            break;
        }
        case TailBushy: {
            c.p.save();
            c.p.translate(a);
            c.p.scale(s, 1);
            QPainterPath plume(QPointF(-1, 3));
            plume.cubicTo(QPointF(len * 0.9, 6), QPointF(len * 1.3, -len * 0.4),
                          QPointF(len * 0.7, -len * 1.3));
            plume.cubicTo(QPointF(len * 0.55, -len * 0.7), QPointF(len * 0.1, -len * 0.6),
                          QPointF(-1, -4));
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
            break;
        }
        case TailBolt: {
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
            break;
        }
        case TailCurly: {
            QPainterPath curl(a);
            curl.cubicTo(a + QPointF(s * len * 0.8, len * 0.1),
                         a + QPointF(s * len * 1.05, -len * 0.7),
                         a + QPointF(s * len * 0.6, -len * 0.85));
            curl.cubicTo(a + QPointF(s * len * 0.3, -len * 0.9),
                         a + QPointF(s * len * 0.3, -len * 0.45),
                         a + QPointF(s * len * 0.55, -len * 0.5));
            tube(c, curl, 3.2, body.base, body.line);
            break;
        }
        case TailFin: {
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
            break;
        }
        case TailClub: {
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
            break;
        }
        case TailLeaf: {
            const QPointF end = a + QPointF(s * len * 0.7, -len * 0.5);
            QPainterPath stalk(a);
            stalk.quadTo(a + QPointF(s * len * 0.6, len * 0.1), end);
            tube(c, stalk, 2.4, body.base, body.line);
            c.p.save();
            c.p.translate(end);
            c.p.rotate(s * 30);
            part(c, leaf(len * 0.85, len * 0.6), acc);
            c.p.restore();
            break;
        }
        default: break;
    }
}

// Both wings, behind the body. `shoulder` is the right-hand attachment point
// and `span` how far they may reach sideways.
void drawWings(Ctx& c, int kind, QPointF shoulder, double span) {
    const Tones& body = c.pal.body;
    const Tones& acc = c.pal.accent;
    const double cx = kCanvas / 2;
    for (int s : {-1, 1}) {
        c.p.save();
        c.p.translate(cx + s * (shoulder.x() - cx), shoulder.y());
        c.p.scale(s, 1);
        switch (kind) {
            case WingFeather: {
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
                    c.p.drawLine(QPointF(span * 0.3, span * 0.02),
                                 QPointF(span * 0.7, -span * 0.24));
                    c.p.drawLine(QPointF(span * 0.2, span * 0.16),
                                 QPointF(span * 0.5, span * 0.05));
                }
                break;
            }
            case WingBat: {
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
                break;
            }
            case WingInsect: {
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
                break;
            }
            default: break;
        }
        c.p.restore();
    }
}

// A short arm from the shoulder with a round hand.
void arm(Ctx& c, QPointF shoulder, QPointF hand, double width) {
    QPainterPath path(shoulder);
    path.lineTo(hand);
    tube(c, path, width, c.pal.body.base, c.pal.body.line);
    fillOutlined(c, ellipse(hand, width * 0.62, width * 0.62), c.pal.body.base, c.pal.body.line);
}

void arms(Ctx& c, QPointF shoulder, double width) {
    const double cx = kCanvas / 2;
    for (int s : {-1, 1}) {
        const QPointF at(cx + s * (shoulder.x() - cx), shoulder.y());
        switch (c.k.arms) {
            case 0: arm(c, at, at + QPointF(s * 4, 7), width); break;
            case 1: arm(c, at, at + QPointF(s * 6, 2), width); break;
            default:  // one arm waving
                arm(c, at, at + (s > 0 ? QPointF(5, -6) : QPointF(-4, 7)), width);
                break;
        }
    }
}

// ---- the body families -----------------------------------------------------

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

// Paints the creature into a size x size square placed `pad` pixels in from
// the top left corner of `image`.
void paintScene(QImage& image, int size, int pad, const Look& look, const Palette& palette,
                double scale, bool compact) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(pad, pad);
    painter.scale(size / kCanvas, size / kCanvas);
    // List pictures have bigger heads; they sit a little lower to make room.
    if (compact) painter.translate(0, 1.5);
    painter.translate(kPivotX, kPivotY);
    painter.scale(scale, scale);
    painter.translate(-kPivotX, -kPivotY);

    // Outlines keep the same width on screen whatever the creature's size.
    const double outline = (compact ? 2.5 : 1.5) / scale;
    Ctx ctx{painter, look, palette, outline, compact, compact ? 1.35 : 1.0, compact ? 1.12 : 1.0};
    switch (look.family) {
        case Blob: paintBlob(ctx); break;
        case Biped: paintBiped(ctx); break;
        case Quadruped: paintQuadruped(ctx); break;
        case Bird: paintBird(ctx); break;
        case Aquatic: paintAquatic(ctx); break;
        case Serpent: paintSerpent(ctx); break;
        case Bug: paintBug(ctx); break;
        case Golem: paintGolem(ctx); break;
        default: paintFloater(ctx); break;
    }
}

// How much to shrink the creature, towards the pivot, to keep a clear margin
// round the edge of the size x size square painted `pad` pixels in
// (1.0 = it fits already).
double fitFactor(const QImage& image, int size, int pad, double pivotShift) {
    const int full = image.width();
    int x0 = full, y0 = full, x1 = -1, y1 = -1;
    for (int y = 0; y < full; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < full; ++x) {
            if (qAlpha(row[x]) == 0) continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    if (x1 < 0) return 1.0;
    // Reaching even the padding's edge means the true reach is unknown.
    const bool touches = x0 == 0 || y0 == 0 || x1 == full - 1 || y1 == full - 1;
    const double margin = std::max(1, size / 32);
    const double lo = pad + margin, hi = pad + size - 1 - margin;
    const double px = pad + kPivotX * size / kCanvas;
    const double py = pad + (kPivotY + pivotShift) * size / kCanvas;
    double fit = 1.0;
    if (x0 < lo) fit = std::min(fit, (px - lo) / (px - x0));
    if (x1 > hi) fit = std::min(fit, (hi - px) / (x1 - px));
    if (y0 < lo) fit = std::min(fit, (py - lo) / (py - y0));
    if (y1 > hi) fit = std::min(fit, (hi - py) / (y1 - py));
    // A little extra, as outlines and soft edges do not shrink with the body.
    return fit < 1.0 ? fit * (touches ? 0.9 : 0.98) : 1.0;
}

}  // namespace

QColor typeColor(int type) {
    static constexpr std::array<unsigned, 18> kColors = {
        0xFF9C9C9C,  // no type: neutral grey
        0xFFD9B779, 0xFFF0803C, 0xFF3F8FE0, 0xFF5DBB4A, 0xFFF2CC2B, 0xFF6FCFDF,
        0xFFD64B3F, 0xFFA45BC4, 0xFFA8763E, 0xFF86A6F2, 0xFFF06BA8, 0xFFA6C236,
        0xFF9C8E64, 0xFF6F5BC8, 0xFF2FA38E, 0xFF4C5573, 0xFF8AA0B8,
    };
    if (type < 0 || type >= static_cast<int>(kColors.size())) type = 0;
    return QColor::fromRgb(kColors[static_cast<std::size_t>(type)]);
}

QImage paintCreature(int species, int type1, int type2, int size) {
    if (size < 1) return {};
    const Look look = makeLook(species);
    const Palette palette = makePalette(look, type1, type2);
    const bool compact = size < 48;
    // List pictures shrink first stages less, so they stay readable.
    double scale = compact ? 1.0 - (1.0 - look.scale) * 0.6 : look.scale;

    // Painted with room to spare round the edge, to see whether big horns,
    // wings or tails reach past it; if so the creature is painted again just
    // small enough that nothing is cut off.
    const int pad = size / 4 + 1;
    QImage canvas(size + 2 * pad, size + 2 * pad, QImage::Format_ARGB32_Premultiplied);
    for (int attempt = 0;; ++attempt) {
        canvas.fill(Qt::transparent);
        paintScene(canvas, size, pad, look, palette, scale, compact);
        const double fit = fitFactor(canvas, size, pad, compact ? 1.5 : 0.0);
        if (fit >= 1.0 || attempt == 3) break;
        scale *= fit;
    }
    return canvas.copy(pad, pad, size, size);
}

}  // namespace zorikan::ui
