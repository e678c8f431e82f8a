#pragma once
// The main window's reference windows, music and debug menu commands.

namespace zorikan {

class GameSession;

void ConnectSideMenus(GameSession& session);

}  // namespace zorikan
