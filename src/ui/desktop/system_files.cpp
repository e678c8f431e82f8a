#include "ui/system_files.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

#include "ui/music_player.h"
#include "ui/saved_game_dialog.h"

namespace zorikan::ui {

void KeepWrittenFiles() {}

QString AskForMusicFile(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("MusicDialog", "Open"));
    dialog.setObjectName("OpenDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(MusicFileFilters().split(";;"));
    dialog.setDirectory(MusicFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

// The save dialog of the export. It asks before replacing a file.
QString AskForExportFile(QWidget* parent) {
    QFileDialog dialog(parent,
                       QCoreApplication::translate("ExportDialog", "Export ZORIKAN information"));
    dialog.setObjectName("HTMLExport");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("ExportDialog", "HTML Files (*.htm)"));
    dialog.setDefaultSuffix("htm");
    StartIn(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool ShowExportedPage(const QString& file) {
    // A file URL keeps blanks, '#' and '%' in the path as they are.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void OfferSavedGameFromComputer(QFileDialog&, std::function<void(const QString&)>) {}

void AddSavedGameDownload(QMenu*, std::function<std::string()>, std::function<QString()>) {}

}  // namespace zorikan::ui
