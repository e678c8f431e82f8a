#pragma once
// The colours a creature is painted in: each type's colour, and the body and
// accent colours of one creature with their light, shade and outline tones.
// Part of the creature painter (creature_art.h); not for other code.

#include <QColor>

namespace zorikan::painter {

struct Look;

QColor fromHsv(double h, double s, double v, int alpha = 255);
// The colour t of the way from a to b (0 = a, 1 = b), alpha included.
QColor mixColor(const QColor& a, const QColor& b, double t);

// A colour's hue, saturation and value (hue in degrees; greys report 0).
struct Hsv {
    double h, s, v;
};

Hsv hsvOf(const QColor& c);

// One colour with its highlight, shadow and outline tones.
struct Tones {
    QColor base, light, shade, line;
};

Tones tonesOf(const QColor& c);

// All the colours of one creature.
struct Palette {
    Tones body, accent;
    QColor belly, ivory, pupil, blush, mouth, tongue;
};

// The colours of a look with primary type type1 and secondary type type2
// (0 or the same type = none, so the look picks a plain accent).
Palette makePalette(const Look& k, int type1, int type2);

}  // namespace zorikan::painter
