#include "app/side_menus.h"

#include "app/game_session.h"
#include "core/collection/debug_menu.h"
#include "core/collection/music.h"
#include "core/collection/zoridex.h"
#include "screens/main_window.h"
#include "ui/music_player.h"
#include "ui/system_files.h"

namespace zorikan {

void ConnectSideMenus(GameSession& session) {
    TForm4* main = session.mainWindow();
    Game& game = session.game();
    main->onMenu(MenuItem::ViewDEX1, [&game] { ShowZoridex(game); });
    main->onMenu(MenuItem::TypeComparisons1,
                 [&game] { game.setVisible(Window::TypeComparisons, true); });

    main->onMenu(MenuItem::Openfile1, [&session, main] {
        const QString file = ui::AskForMusicFile(main);
        if (!file.isEmpty()) session.music().open(file);
    });
    main->onMenu(MenuItem::RepeatMusic1, [&session, &game] {
        ToggleRepeatMusic(game);
        session.music().repeatChanged();
    });
    main->onMenu(MenuItem::StopMusic1, [&session] { session.music().stop(); });

    main->onMenu(MenuItem::MakeVisible1, [&game] { MakeVisible(game); });
    main->onMenu(MenuItem::AlwaysshowattacksinZORIDEX1, [&game] { ToggleAlwaysShowAttacks(game); });
}

}  // namespace zorikan
