#include "app/collection_menus.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QTime>

#include "app/game_session.h"
#include "core/collection/collection_modes.h"
#include "core/collection/html_export.h"
#include "core/saves/closing_save.h"
#include "core/saves/save_game.h"
#include "screens/main_window.h"
#include "ui/system_files.h"

namespace zorikan {

namespace {

void ExportZORIKANinformation1Click(GameSession& session) {
    const QString file = ui::AskForExportFile(session.mainWindow());
    if (file.isEmpty()) return;
    // The system's formats, not the game language's (the default locale).
    const QLocale locale = QLocale::system();
    const std::string date =
        locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    const std::string time =
        locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
    Game& game = session.game();
    if (!ExportCollection(game, file.toStdString(), date, time)) return;
    if (!ui::ShowExportedPage(file)) ExportedPageNotOpened(game, file.toStdString());
}

}  // namespace

void ConnectCollectionMenus(GameSession& session) {
    TForm4* main = session.mainWindow();
    Game& game = session.game();
    main->onMenu(MenuItem::Evolve1, [&game] { Evolve1Click(game); });
    main->onMenu(MenuItem::ReleaseZRKN1, [&game] { ReleaseZRKN1Click(game); });
    main->onMenu(MenuItem::ExportZORIKANinformation1,
                 [&session] { ExportZORIKANinformation1Click(session); });
    // The page downloads the saved game in play, as the close would write it.
    ui::AddSavedGameDownload(
        main->menuAction(MenuItem::File1)->menu(),
        [&game] {
            const std::optional<GameState> state = StateAtClose(game);
            return state ? SaveGameText(*state) : std::string();
        },
        [&game] {
            return QFileInfo(QString::fromStdString(game.screens.main.saveFileName)).fileName();
        });
}

}  // namespace zorikan
