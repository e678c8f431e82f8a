#pragma once
// Saving the game in progress and bringing a saved game into play.

#include <string>

#include "core/game/game.h"

namespace zorikan {

// Writes the game to the file it belongs to. On failure the error box is
// shown, the previous file stays as it was, and false is returned so the
// main window can stay open for another try.
bool Save(Game& game);

// Reads the saved game at `path` and brings up play: roster list, name,
// counters, caption, opened menus, statistics and main window; the title
// window goes away. The caller places the windows (PlaceWindows(..., true), window_placement.h).
// A file that fails to load, or that holds no creature at all, shows the
// error box and changes nothing at all. A file that ends early but holds a
// creature loads, and a warning box tells where it ended.
bool LoadGame(Game& game, const std::string& path);

// The statistics window's roster list: slot 1, 2, ... up to the first empty
// slot.
void RebuildRosterList(Game& game);

// The boxes of a load: a file without any creature, and a file cut short.
std::string NoCreatureText(const std::string& path);
std::string EndedEarlyText(int line);

}  // namespace zorikan
