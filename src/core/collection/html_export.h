#pragma once
// The collection as a small web page: the roster with levels and experience,
// and every species registered in the ZORIDEX.

#include <string>
#include <string_view>

#include "core/game/game.h"

namespace zorikan {

// UTF-8 text as it stands in the ISO-8859-1 page: markup characters escaped,
// characters beyond Latin-1 as numeric references, control characters as the
// replacement character. Text that is not UTF-8 is read as Windows-1252, as
// the saved-game reader does.
std::string PageText(std::string_view utf8);

// The whole page, CR LF lines. `date` and `time` say when it was made, in
// the player's own formats.
std::string CollectionPage(const Game& game, const std::string& date, const std::string& time);

// Writes the page to `path` and asks whether to view it: true for Yes. A
// failed write shows its error and asks nothing.
bool ExportCollection(Game& game, const std::string& path, const std::string& date,
                      const std::string& time);

// The system could not show the written page.
void ExportedPageNotOpened(Game& game, const std::string& path);

}  // namespace zorikan
