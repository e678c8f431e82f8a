#pragma once
// Evolving a roster creature: the evolution step of the roster double-click,
// the split evolutions chosen in the main window, and the species that may
// bring a second creature along.

#include "core/game/game.h"

namespace zorikan {

// The species whose evolution may bring a second creature (kTwinSpecies),
// three times in four.
inline constexpr int kTwinEvolver = 290;
inline constexpr int kTwinFirstForm = 291;
inline constexpr int kTwinSpecies = 292;

// The double-click in evolution mode on the creature in `slot`, of `species`
// (from its list picture). Evolves it, refuses, or opens the split choice;
// evolution mode ends in every case.
void EvolveCreature(Game& game, int slot, int species);

// The main window's "Evolve": completes or cancels the pending split choice.
void EvolveButtonClick(Game& game);

// The radio group's choice; entry 0 is "Don't evolve".
void SelectEvolveChoice(Game& game, int entry);

}  // namespace zorikan
