#pragma once
// From the title window to play: a new game's start values, the player's
// name and the starter choice.

#include <array>
#include <cstdint>
#include <string>

#include "core/game/game.h"

namespace zorikan {

// "ZORIKAN Simulator V4.1 - Kell [game.zgs]".
std::string GameCaption(const std::string& playerName, const std::string& savePath);

// The save file is chosen: the start values of a new game, which waits for
// its starter from now, and the title window goes away before the name is
// asked.
void BeginNewGame(Game& game, const std::string& savePath);

// The name dialog's OK: an empty name becomes "Kell".
void TakePlayerName(Game& game, const std::string& typedName);

// The main window shows the three starters; play waits for the choice.
void ShowStarterChoice(Game& game);

// The starter of list entry `entry` (0..2: species 1, 4, 7) joins at level 5
// and the game is in play. Outside the choice it does nothing.
void ChooseStarter(Game& game, int entry);

// A game in play from one creature, without windows or a file: the range of
// levels every game plays in (2..100) and `species` at `level` joined as the
// starter. Tools, benchmarks and tests start their games from it.
void PlayFromCreature(Game& game, int species, std::uint8_t level);

inline constexpr std::array<int, 3> kStarterSpecies = {1, 4, 7};
inline constexpr std::uint8_t kStarterLevel = 5;
inline constexpr const char* kDefaultPlayerName = "Kell";
inline constexpr int kMaxNameLength = 15;

}  // namespace zorikan
