#pragma once
// The statistics window's rules: its counters, the item buttons of a battle,
// and the statistics message of a roster creature.

#include <cstdint>
#include <optional>
#include <string>

#include "core/game/game.h"

namespace zorikan {

// Wins among the battles won or lost, truncated (never rounded) to two
// decimals without trailing zeros: 2 wins and 1 loss give "66.66". Nothing
// when no battle has been won or lost yet.
std::optional<std::string> WinPercentage(std::uint32_t wins, std::uint32_t losses,
                                         char decimalSeparator = '.');

// Writes every counter, the percentage and the ZORIDEX count into the window.
void Freshen(Game& game);

// Enables each item button whose item is in stock and allowed in this battle.
void EnableButtons(Game& game);
void ShowButtons(Game& game);
void HideButtons(Game& game);

// "# 007 Name, L.12, XP:1728, XP to next level:469" for the creature of
// `species` in a slot.
std::string CreatureStatistics(const Game& game, int slot, int species);

// "007": species numbers are shown with three digits.
std::string SpeciesNumber(int species);

}  // namespace zorikan
