#pragma once
// The statistics window's counters, written from the game state before every
// redraw.

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

}  // namespace zorikan
