#pragma once
// The main window's opponents and tournaments: every trainer, leader and
// elite item of "Fight a Trainer", and the six items of "Tournaments".

namespace zorikan {

class GameSession;

void ConnectProgressMenus(GameSession& session);

}  // namespace zorikan
