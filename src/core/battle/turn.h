#pragma once
// The player's turn in the arena: "Go!" with an attack or "Run!", and the
// penalty for walking out of a tournament.

#include "core/game/game.h"

namespace zorikan {

inline constexpr int kRunItem = 4;  // the last item of the attack choice

// "Go!": the selected attack and the opponent's answer, or "Run!".
void GoClick(Game& game);

// Walking out of a tournament costs the fighter 5% of its experience
// (rounded half up) and the levels that no longer hold; the battle is over.
void QuitPenalty(Game& game);

// Whether closing the main window now walks out of a tournament match that
// a fighter is playing or has won; a match nobody was sent out for yet, a
// lost match and the eighth win cost nothing.
bool ClosingCostsTournamentPenalty(const Game& game);

// The main window closes: a tournament under way is quit with its penalty
// first, so the saved game holds the loss.
void ClosingMainWindow(Game& game);

}  // namespace zorikan
