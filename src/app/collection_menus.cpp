#include "app/collection_menus.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLocale>
#include <QTime>
#include <QUrl>

#include "app/game_session.h"
#include "core/collection/collection_modes.h"
#include "core/collection/html_export.h"
#include "screens/main_window.h"
#include "ui/saved_game_dialog.h"

namespace zorikan {

namespace {

// The save dialog of the export; empty when cancelled. It asks before
// replacing a file.
QString chooseExportFile(QWidget* parent) {
    QFileDialog dialog(parent,
                       QCoreApplication::translate("ExportDialog", "Export ZORIKAN information"));
    dialog.setObjectName("HTMLExport");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("ExportDialog", "HTML Files (*.htm)"));
    dialog.setDefaultSuffix("htm");
    ui::StartIn(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void ExportZORIKANinformation1Click(GameSession& session) {
    const QString file = chooseExportFile(session.mainWindow());
    if (file.isEmpty()) return;
    // The system's formats, not the game language's (the default locale).
    const QLocale locale = QLocale::system();
    const std::string date =
        locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    const std::string time =
        locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
    Game& game = session.game();
    if (!ExportCollection(game, file.toStdString(), date, time)) return;
    // A file URL keeps blanks, '#' and '%' in the path as they are.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        ExportedPageNotOpened(game, file.toStdString());
}

}  // namespace

void ConnectCollectionMenus(GameSession& session) {
    TForm4* main = session.mainWindow();
    Game& game = session.game();
    main->onMenu(MenuItem::Evolve1, [&game] { Evolve1Click(game); });
    main->onMenu(MenuItem::ReleaseZRKN1, [&game] { ReleaseZRKN1Click(game); });
    main->onMenu(MenuItem::ExportZORIKANinformation1,
                 [&session] { ExportZORIKANinformation1Click(session); });
}

}  // namespace zorikan
