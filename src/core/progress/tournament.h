#pragma once
// The six tournaments: eight trainer battles in a row inside a level band,
// paid on entry, with a prize for winning all eight.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/game/game.h"

namespace zorikan {

struct TournamentBand {
    MenuItem item;
    std::uint8_t minLevel;
    std::uint8_t maxLevel;
    std::uint32_t fee;
};

// Bands 1..6 at index 0..5.
std::span<const TournamentBand> TournamentBands();
// The band (1..6) a menu item enters; 0 for any other item.
int BandOfItem(MenuItem item);

// Whether some roster creature's level lies in minLevel..maxLevel.
bool HasEligibleCreature(const Game& game, int minLevel, int maxLevel);

// The menu item of `band`: checks the roster and the money, then enters.
void EnterTournament(Game& game, int band);

// Sets the band, draws the eight matches and starts the first.
void SetUpTournament(Game& game, int band);

// After a won match: the next match, or the prize once all eight are won.
void HandleTournament(Game& game);

}  // namespace zorikan
