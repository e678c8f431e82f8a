#pragma once
// Saving the game in progress at close and bringing a saved game into play.

#include <string>

#include "core/game.h"

namespace zorikan {

// Writes the game to the file it belongs to. On failure the error box is
// shown, the previous file stays as it was, and false is returned so the
// main window can stay open for another try.
bool Save(Game& game);

// The save in the main window's close: nothing is written while the starter
// list still shows. False when the write failed and the window stays open.
bool SaveAtClose(Game& game);

// Reads the saved game at `path` and brings up play: roster list, name,
// counters, caption, opened menus, statistics and main window; the title
// window goes away. The caller places the windows (PlaceWindows(..., true)).
// A file that fails to load shows the error box and changes nothing at all.
bool LoadGame(Game& game, const std::string& path);

// The statistics window's roster list: slot 1, 2, ... up to the first empty
// slot.
void RebuildRosterList(Game& game);

}  // namespace zorikan
