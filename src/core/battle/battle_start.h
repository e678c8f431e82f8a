#pragma once
// Opening a battle: the opponent steps into the arena, the battle log starts
// empty and the player is asked to pick a fighter. Also the confirmed
// fighter's side of the arena and the hit-point gauges both sides share.

#include <string>

#include "core/game/game.h"

namespace zorikan {

// Green above half, yellow at half or less, red at a quarter or less.
GaugeColour HpColour(int hp, int maximum);

// Puts hp on a gauge and its "hp/max" text, colouring the bar by what is left.
void ShowHp(HpGauge& gauge, std::string& text, int hp, int maximum);

void StartWildBattle(Game& game, int species, int level);
void StartTrainerBattle(Game& game, int species, int level, const std::string& trainerName);

// The creature of roster slot `slot` (species `species`) takes the field.
void ConfirmFighter(Game& game, int slot, int species);

// The creature in ActiveSlot, and its name in the log lines.
int FighterSpecies(const Game& game);
const std::string& FighterName(const Game& game);
const std::string& OpponentName(const Game& game);

}  // namespace zorikan
