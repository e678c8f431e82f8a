#include "painter/art_look.h"

#include <algorithm>

#include "painter/art_rng.h"

namespace zorikan::painter {

namespace {

constexpr int kSpeciesTotal = 386;

// A stand-in for an unknown evolution line: consecutive groups of one to
// three stages, fixed by a hash walked from species 1.
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

// The known line, clamped to the one to three stages the looks are made for.
LineInfo knownLine(int species, const CreatureLine& line) {
    const int length = std::clamp(line.stages, 1, 3);
    const int stage = std::clamp(line.stage, 0, 2);
    // A longer line keeps its last look for every stage past the third.
    return {line.root > 0 ? line.root : species, length, std::min(stage, length - 1)};
}

// The parts a line draws once for all its stages; some show only on a
// creature at least as fancy as the number drawn with them (3: never).
struct LineParts {
    int earDraw = 0;
    int hornKind = 0, hornFrom = 0;
    int crestKind = 0, crestFrom = 0;
    int tailKind = 0;
    int wingKind = 0, wingFrom = 0;
    int patternBase = 0;
    int markKind = 0, markFrom = 0;
};

LineParts drawLineLook(Rng& L, Look& k) {
    LineParts parts;
    // In a fixed order, so all stages of a line agree on them.
    k.family = L.pick(FamilyCount);
    k.bw = L.range(0.9, 1.1);
    k.bh = L.range(0.9, 1.1);
    k.hs = L.range(0.92, 1.1);
    parts.earDraw = L.weighted({3, 3, 2, 2, 2, 1, 1});
    k.earSize = L.range(0.8, 1.1);
    parts.hornKind = 1 + L.weighted({3, 3, 2, 1});
    parts.hornFrom = L.weighted({1, 2, 2, 3});  // stage the horns appear, 3 = never
    k.hornSize = L.range(0.85, 1.15);
    k.ivoryHorns = L.chance(0.6);
    parts.crestKind = 1 + L.pick(6);
    parts.crestFrom = L.weighted({2, 2, 2, 3});
    parts.tailKind = L.weighted({2, 2, 2, 1, 1, 1, 1, 1});
    parts.wingKind = 1 + L.pick(3);
    parts.wingFrom = L.weighted({1, 1, 2, 6});
    k.pattern = L.weighted({3, 3, 3, 1, 1, 1, 1});
    parts.patternBase = 2 + L.pick(3);
    k.belly = L.chance(0.45);
    parts.markKind = 1 + L.pick(3);
    parts.markFrom = L.weighted({1, 1, 2, 4});
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
    return parts;
}

void growForStage(Rng& S, const LineInfo& line, const LineParts& parts, Look& k) {
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
    k.patternCount = parts.patternBase + k.fancy;
    k.ears = parts.earDraw;
    k.horns = parts.hornFrom <= k.fancy ? parts.hornKind : HornNone;
    k.crest = parts.crestFrom <= k.fancy ? parts.crestKind : CrestNone;
    k.tail = parts.tailKind;
    k.wings = parts.wingFrom <= k.fancy ? parts.wingKind : WingNone;
    k.faceMark = parts.markFrom <= k.fancy ? parts.markKind : MarkNone;
    if (k.fancy == 0 && k.eyeStyle == EyeFierce) k.eyeStyle = EyeClassic;
    if (k.fancy == 2 && k.eyeStyle == EyeClassic && S.chance(0.4)) k.eyeStyle = EyeFierce;
}

// What each body family can carry.
void fitFamily(Look& k) {
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
        default:
            break;
    }
}

}  // namespace

Look makeLook(int species, const CreatureLine& known) {
    const LineInfo line = known.stages > 0 ? knownLine(species, known) : lineOf(species);
    Rng L(0xC0FFEE00ULL ^ (static_cast<std::uint64_t>(line.start) * 0x2545F4914F6CDD1DULL));
    Rng S(0xABCDEF12ULL ^ (static_cast<std::uint64_t>(species) * 0x9E3779B97F4A7C15ULL));
    Look k;
    // Line-level choices come first, then the stage's.
    const LineParts parts = drawLineLook(L, k);
    growForStage(S, line, parts, k);
    fitFamily(k);
    if (k.fancy == 0 && k.wings == WingBat) k.wings = WingNone;
    return k;
}

}  // namespace zorikan::painter
