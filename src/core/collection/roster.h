#pragma once
// The roster of owned creatures and the statistics window's list of it. A
// double-click on the list is in battle/fighter_choice.h: it sends fighters out.

#include <cstdint>
#include <string>

#include "core/game/game.h"

namespace zorikan {

// Puts a creature of `species` at `level` (with level^3 experience) into the
// next roster slot and registers a species new to the ZORIDEX. Returns false,
// with a message, when the roster is full.
bool AddZRKN(Game& game, int species, const std::string& caption, std::uint8_t level);

// The player's first creature: `species` at `level` joins as AddZRKN has it,
// in slot 1, and the game is in play. The starter choice gives it.
void JoinAsStarter(Game& game, int species, std::uint8_t level);

// Points list entry `slot - 1` at the creature in that slot, after a change.
void SetRosterListItem(Game& game, int slot, const std::string& caption, int species);

}  // namespace zorikan
