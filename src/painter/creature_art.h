#pragma once
// The creature pictures. Every species gets its own little portrait, painted
// from its number, its types and its evolution line: a body shape family, ears,
// horns, crests, tails, wings and markings drawn from a hash of the number,
// coloured by the types. The stages of one evolution line
// share a family look, and the later stages are bigger and fancier.

#include <QColor>
#include <QImage>

namespace zorikan::painter {

// Where a species stands in its evolution line: the line's first stage, the
// species' stage (0 = first) and the number of stages. With stages = 0 the
// line is not known and the painter guesses one from the species number.
struct CreatureLine {
    int root = 0;
    int stage = 0;
    int stages = 0;
};

// The colour of a creature type, 1..17; 0 (no type) and anything out of
// range give a neutral grey. Other windows may reuse this palette.
QColor typeColor(int type);

// A size x size picture of a species (1..386) with primary type type1
// (1..17) and secondary type type2 (0 = none). The background is
// transparent and the result is the same every time for the same inputs.
// Sizes below 48 are painted with bolder outlines and larger eyes so the
// creature stays readable in lists. All stages of one line share a look, the
// later ones bigger and fancier. Returns a null image if size < 1.
QImage paintCreature(int species, int type1, int type2, int size, CreatureLine line = {});

}  // namespace zorikan::painter
