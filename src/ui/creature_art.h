#pragma once
// The creature pictures. Every species gets its own little portrait, painted
// from nothing but its number and its types: a body shape family, ears,
// horns, crests, tails, wings and markings drawn from a hash of the number,
// coloured by the types. Species that follow one another in an evolution line
// share a family look, and the later stages are bigger and fancier.

#include <QColor>
#include <QImage>

namespace zorikan::ui {

// The colour of a creature type, 1..17; 0 (no type) and anything out of
// range give a neutral grey. Other windows may reuse this palette.
QColor typeColor(int type);

// A size x size picture of a species (1..386) with primary type type1
// (1..17) and secondary type type2 (0 = none). The background is
// transparent and the result is the same every time for the same inputs.
// Sizes below 48 are painted with bolder outlines and larger eyes so the
// creature stays readable in lists. Returns a null image if size < 1.
QImage paintCreature(int species, int type1, int type2, int size);

}  // namespace zorikan::ui
