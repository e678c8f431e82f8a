#pragma once
// The family a species belongs to: the first stage of its evolution line,
// how far along the line the species is and how many stages the line has.
// Families are read from the evolutions in the game data, so they hold
// wherever the species of a line stand in the numbering.

#include "core/data/game_data.h"

namespace zorikan {

struct EvolutionLine {
    int root = 0;    // the line's first stage
    int stage = 0;   // 0 for the first stage, 1 for the next, ...
    int stages = 1;  // number of stages of the line's longest branch
    bool operator==(const EvolutionLine&) const = default;
};

// The line of `species`. A changeling's other forms and the second creature
// that the splitting evolution brings count as stages of their parent's line.
// A species outside 1..386 is a line of its own.
EvolutionLine LineOf(const GameData& data, int species);

}  // namespace zorikan
