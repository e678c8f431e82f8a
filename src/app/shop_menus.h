#pragma once
// The main window's shop commands: the Mart and the Game Corner.

namespace zorikan {

class GameSession;

void ConnectShopMenus(GameSession& session);

}  // namespace zorikan
