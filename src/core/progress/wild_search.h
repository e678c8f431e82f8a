#pragma once
// "Fight a wild ZORIKAN": the search draws a species and level that grow with
// the player's progress; an owner of Omnivar picks any species and level.

#include <string>
#include <utility>

#include "core/game/game.h"

namespace zorikan {

// Whether the search may not bring `species` at the player's progress.
bool SearchExcludes(const Game& game, int species);
// The lowest and highest level of a searched creature.
std::pair<int, int> SearchLevels(const GameState& state);

// "Name (#007)": entry species - 1 of the chosen-species list.
std::string SpeciesEntry(const GameData& data, int species);

// "Search for a ZORIKAN".
void FindZRKN1Click(Game& game);
// "Omnivar": a wild Omnivar at level 100.
void Omnivar1Click(Game& game);

// The chosen-species panel's buttons.
void WildPanelGo(Game& game);
void WildPanelCancel(Game& game);
void WildPanelRandom(Game& game);

}  // namespace zorikan
