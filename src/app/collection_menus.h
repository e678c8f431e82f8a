#pragma once
// The main window's collection commands: evolution and release mode, and the
// export of the collection as a web page.

namespace zorikan {

class GameSession;

void ConnectCollectionMenus(GameSession& session);

}  // namespace zorikan
