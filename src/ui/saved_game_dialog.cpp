#include "ui/saved_game_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace zorikan::ui {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) return documents;
    return QDir::homePath();
}

void StartIn(QFileDialog& dialog, const QString& suggestion) {
    dialog.setDirectory(DocumentsFolder());
    // A file chosen before (one that could not be written at close) brings
    // the dialog back to its own folder.
    if (!suggestion.isEmpty()) dialog.selectFile(suggestion);
}

QString AskForSavedGame(QWidget* parent, SavedGameDialog kind, const QString& suggestion) {
    const bool saving = kind == SavedGameDialog::Save;
    QFileDialog dialog(parent, saving ? QObject::tr("Save game as") : QObject::tr("Open"));
    dialog.setObjectName(saving ? "SaveDialog1" : "OpenDialog1");
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening needs an existing file; saving asks before replacing one.
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QObject::tr("Saved Games (*.ZGS *.zgs)"));
    dialog.setDefaultSuffix("zgs");
    StartIn(dialog, suggestion);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace zorikan::ui
