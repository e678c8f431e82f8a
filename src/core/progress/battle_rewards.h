#pragma once
// What a won battle earns at "End Fight": the next badge with its bonuses,
// and the first wins against the Highland champion, Kell and "Me" with their
// gifts and the opponents they open.

#include <cstdint>

#include "core/game/game.h"

namespace zorikan {

// Counts the badge of a badge battle (kind 3), opens the next opponent and
// pays the bonus of a region's last leader.
void AwardBadge(Game& game);

// The rewards of a first win against the Highland champion (kind 8), Kell
// (kind 9) or the trainer behind "Me" (kind 10).
void AwardFirstWin(Game& game);

// A creature given to the player joins the roster; a full roster has no room
// for it, and the player is told so instead of losing it without a word.
void GiveCreature(Game& game, int species, std::uint8_t level);

}  // namespace zorikan
