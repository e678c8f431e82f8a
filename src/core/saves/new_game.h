#pragma once
// From the title window to play: a new game's start values, the player's
// name and the starter choice.

#include <string>

#include "core/game/game.h"

namespace zorikan {

// "ZORIKAN Simulator V4.1 - Kell [game.zgs]".
std::string GameCaption(const std::string& playerName, const std::string& savePath);

// The save file is chosen: the start values of a new game, and the title
// window goes away before the name is asked.
void BeginNewGame(Game& game, const std::string& savePath);

// The name dialog's OK: an empty name becomes "Kell".
void TakePlayerName(Game& game, const std::string& typedName);

// The main window shows the three starters; play waits for the choice.
void ShowStarterChoice(Game& game);

// Whether the main window still shows the starters: a new game is not a game
// to save until one is chosen.
bool StarterStillToChoose(const Game& game);

// The starter of list entry `entry` (0..2: species 1, 4, 7) joins at level 5.
void ChooseStarter(Game& game, int entry);

inline constexpr int kStarterSpecies[3] = {1, 4, 7};
inline constexpr const char* kDefaultPlayerName = "Kell";
inline constexpr int kMaxNameLength = 15;

}  // namespace zorikan
