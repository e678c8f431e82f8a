#include "painter/art_palette.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "painter/art_look.h"
#include "painter/creature_art.h"

namespace zorikan::painter {

QColor typeColor(int type) {
    static constexpr std::array<unsigned, 18> kColors = {
        0xFF9C9C9C,  // 0, no type: neutral grey
        0xFF5DBB4A,  // 1 Moss, roots and lichen: leaf green
        0xFFEE6B35,  // 2 Ember, hearth fire: orange-red
        0xFF948874,  // 3 Stone, standing stones: grey-brown
        0xFF3A86DE,  // 4 Tide, the sea: blue
        0xFF72BCF2,  // 5 Gale, wind and sky: light sky blue
        0xFF8FE3E6,  // 6 Frost, rime and snow: pale cyan
        0xFFA8763E,  // 7 Bog, peat and mire: ochre brown
        0xFF2A9A8A,  // 8 Glass, crystal: deep teal
        0xFF485280,  // 9 Dusk, twilight: dark slate
        0xFFF2CC2B,  // 10 Lumen, daylight: yellow
        0xFFDEC08A,  // 11 Salt, the salt flats: pale sand
        0xFF5E58C6,  // 12 Echo, sound and song: indigo
        0xFF8AA0B8,  // 13 Ore, metal: steel grey-blue
        0xFFA6C236,  // 14 Silk, thread and web: yellow-green
        0xFFA8483A,  // 15 Herd, hoof and hide: brownish red
        0xFFA451C0,  // 16 Spore, fungus and mould: purple
        0xFFF06BA8,  // 17 Dream, sleep and mind: pink
    };
    if (type < 0 || type >= static_cast<int>(kColors.size())) type = 0;
    return QColor::fromRgb(kColors[static_cast<std::size_t>(type)]);
}

QColor fromHsv(double h, double s, double v, int alpha) {
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

Hsv hsvOf(const QColor& c) {
    float h = 0, s = 0, v = 0;
    c.getHsvF(&h, &s, &v);
    return {h < 0 ? 0.0 : h * 360.0, s, v};
}

Tones tonesOf(const QColor& c) {
    const Hsv t = hsvOf(c);
    return {c, fromHsv(t.h, t.s * 0.72, t.v * 1.2 + 0.05), fromHsv(t.h, t.s * 1.08, t.v * 0.78),
            fromHsv(t.h, t.s * 1.05 + 0.1, std::max(0.27, t.v * 0.42))};
}

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

}  // namespace zorikan::painter
