#include "ui/saved_game_dialog.h"

#include <QFileDialog>

namespace zorikan::ui {

QString AskForSavedGame(QWidget* parent, SavedGameDialog kind, const QString& suggestion) {
    const bool saving = kind == SavedGameDialog::Save;
    QFileDialog dialog(parent, saving ? QObject::tr("Save game as") : QObject::tr("Open"));
    dialog.setObjectName(saving ? "SaveDialog1" : "OpenDialog1");
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening needs an existing file; saving asks before replacing one.
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QObject::tr("Saved Games (*.ZGS *.zgs)"));
    dialog.setDefaultSuffix("zgs");
    if (!suggestion.isEmpty()) dialog.selectFile(suggestion);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace zorikan::ui
