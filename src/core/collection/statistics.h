#pragma once
// The statistics message of a roster creature.

#include <string>

#include "core/game/game.h"

namespace zorikan {

// "# 007 Name, L.12, XP:1728, XP to next level:469" for the creature of
// `species` in a slot.
std::string CreatureStatistics(const Game& game, int slot, int species);

// "007": species numbers are shown with three digits.
std::string SpeciesNumber(int species);

}  // namespace zorikan
