#pragma once
// How a species looks, chosen from its number and its evolution line: the
// body family, the parts it carries, its proportions, face and markings. All
// stages of an evolution line share one look; the later stages are bigger and
// fancier.
// Part of the creature painter (creature_art.h); not for other code.

#include <cstdint>

#include "painter/creature_art.h"

namespace zorikan::painter {

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

// The look of a species in `line`; without a known line (stages 0) one is
// guessed from the number. Numbers outside 1..386 still get a look.
Look makeLook(int species, const CreatureLine& line);

}  // namespace zorikan::painter
