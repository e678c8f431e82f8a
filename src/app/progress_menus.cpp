#include "app/progress_menus.h"

#include "app/game_session.h"
#include "core/progress/opponents.h"
#include "core/progress/tournament.h"
#include "screens/main_window.h"

namespace zorikan {

void ConnectProgressMenus(GameSession& session) {
    TForm4* main = session.mainWindow();
    Game& game = session.game();
    for (const Opponent& opponent : Opponents())
        main->onMenu(opponent.item, [&game, &opponent] { FightOpponent(game, opponent); });
    for (int band = 1; band <= static_cast<int>(TournamentBands().size()); ++band)
        main->onMenu(TournamentBands()[band - 1].item,
                     [&game, band] { EnterTournament(game, band); });
}

}  // namespace zorikan
