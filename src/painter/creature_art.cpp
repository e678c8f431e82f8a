#include "painter/creature_art.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "painter/art_look.h"
#include "painter/art_paint.h"
#include "painter/art_palette.h"

namespace zorikan::painter {

namespace {

// Smaller creatures shrink towards this point, which sits just below the eye
// line, so every face stays in the upper half of the picture.
constexpr double kPivotX = 32.0;
constexpr double kPivotY = 34.0;

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
        case Blob:
            paintBlob(ctx);
            break;
        case Biped:
            paintBiped(ctx);
            break;
        case Quadruped:
            paintQuadruped(ctx);
            break;
        case Bird:
            paintBird(ctx);
            break;
        case Aquatic:
            paintAquatic(ctx);
            break;
        case Serpent:
            paintSerpent(ctx);
            break;
        case Bug:
            paintBug(ctx);
            break;
        case Golem:
            paintGolem(ctx);
            break;
        default:
            paintFloater(ctx);
            break;
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

QImage paintCreature(int species, int type1, int type2, int size, CreatureLine line) {
    if (size < 1) return {};
    const Look look = makeLook(species, line);
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

}  // namespace zorikan::painter
