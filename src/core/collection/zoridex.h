#pragma once
// The ZORIDEX viewer and the type comparisons window: browsing the species
// and computing an attack's multiplier against a species.

#include <string>

#include "core/game/game.h"

namespace zorikan {

// "Name (#007)": viewer entry of species n.
std::string ZoridexEntry(const GameData& data, int species);
// "Name, Type" or "Name, Type/Type": type comparisons species entry.
std::string SpeciesTypeEntry(const GameData& data, int species);
// "Attack, Type": type comparisons attack entry.
std::string AttackTypeEntry(const GameData& data, int attack);
// "Can evolve at level 16." or "Does not evolve.": the viewer's evolution line.
std::string EvolutionLine(const GameData& data, int species);

// Opens the viewer (View ZORIDEX).
void ShowZoridex(Game& game);
// Selects viewer entry `index` (-1 for none) and shows it.
void SelectZoridexEntry(Game& game, int index);
// Shows the selected species; attacks stay "???" until the species is
// registered, unless the debug option shows them anyway.
void UpdateDisplay(Game& game);

// A list of the type comparisons window changed; with both chosen the
// multipliers are computed.
void TypeComparisonsChange(Game& game, int attackIndex, int speciesIndex);
void CalculateMultipliers(Game& game);

// A real in general format: up to 15 significant digits, no trailing zeros,
// with the given decimal separator. 0.1f shows as 0.100000001490116.
std::string GeneralFormat(double value, char decimalSeparator);

inline constexpr MenuItem kAlwaysShowAttacks = MenuItem::AlwaysshowattacksinZORIDEX1;

}  // namespace zorikan
