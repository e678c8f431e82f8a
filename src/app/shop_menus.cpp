#include "app/shop_menus.h"

#include "app/game_session.h"
#include "core/collection/game_corner.h"
#include "core/collection/mart.h"
#include "screens/main_window.h"

namespace zorikan {

void ConnectShopMenus(GameSession& session) {
    TForm4* main = session.mainWindow();
    Game& game = session.game();
    main->onMenu(MenuItem::Buy1, [&game] { ShowMart(game); });
    main->onMenu(MenuItem::GameCorner1, [&game] { ShowGameCorner(game); });
}

}  // namespace zorikan
