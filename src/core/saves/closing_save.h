#pragma once
// The save when the main window closes, and the choice of the file a game is
// saved to. A save that fails never traps the player: another file, quitting
// without saving, or staying in the game are all offered.

#include <functional>
#include <optional>
#include <string>

#include "core/data/file_error.h"
#include "core/game/game.h"

namespace zorikan {

// Shows the save dialog starting at `suggestion`; the chosen file, or an
// empty string when the player cancels.
using SaveDialog = std::function<std::string(const std::string& suggestion)>;

// Asks with `dialog` until the player picks a file the game can be written
// to, or cancels (an empty string). A file that cannot be written is
// explained in an error box and the dialog opens again at that file.
std::string ChooseSaveFile(Game& game, const SaveDialog& dialog, std::string suggestion = {});

enum class AfterClose { Close, StayOpen };

// The save in the main window's close; nothing is written unless a game is in play
// (GameInPlay), so not while the starter list still shows. When the write fails, the
// error box is followed by the questions: save to another file (chosen with `dialog`,
// which the game then belongs to), else quit without saving (Yes) or stay (No).
AfterClose SaveAtClose(Game& game, const SaveDialog& dialog);

// What closing the main window now would write: the game with the Game
// Corner's game on show paid and an open tournament's quit penalty taken,
// while the game in play stays as it is. None before the starter is chosen
// (a new game has its file before its starter: only a roster is a game). The
// close, the ends from outside and the save after every action all write
// this, so every way the program ends leaves the same file.
std::optional<GameState> StateAtClose(const Game& game);

// The save when the game is left with no one to answer (a signal, the end of
// the desktop session): StateAtClose is written, and the game in play stays as
// it is (a session that goes on keeps playing). Nothing is asked or shown; a
// failed write leaves the old file whole and is returned.
std::optional<FileError> SaveOnLeaving(const Game& game);

// The texts of those boxes.
std::string CannotSaveToText(const std::string& path, const FileError& error);
std::string SaveElsewhereText(const std::string& path);

}  // namespace zorikan
