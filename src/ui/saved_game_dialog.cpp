#include "ui/saved_game_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <utility>

#include "ui/system_files.h"

namespace zorikan::ui {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) return documents;
    return QDir::homePath();
}

QString MusicFolder() {
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (!music.isEmpty() && QDir(music).exists()) return music;
    return DocumentsFolder();
}

QWidget* Opener(QWidget* parent) {
    // The new game's save dialog belongs to the main window, which is not on
    // screen yet: it stands over the title window the player clicked in.
    if (parent && parent->isVisible()) return parent;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->isVisible() && shown->windowType() != Qt::Popup &&
            shown->windowType() != Qt::ToolTip)
            return shown;
    return parent;
}

namespace {

// The file dialog's own question, in Qt's words and its translations (held
// in Qt's catalogue, hence no literal here for the game's); No takes the
// player back to the dialog.
bool MayReplace(const QFileDialog& dialog, const QString& file) {
    static const char* const context = "QFileDialog";
    static const char* const replace = "%1 already exists.\nDo you want to replace it?";
    const QString question =
        QCoreApplication::translate(context, replace).arg(QFileInfo(file).fileName());
    return QMessageBox::warning(Opener(dialog.parentWidget()), dialog.windowTitle(), question,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

void StartIn(QFileDialog& dialog, const QString& suggestion) {
    dialog.setDirectory(DocumentsFolder());
    // A file chosen before (one that could not be written at close) brings
    // the dialog back to its own folder.
    if (!suggestion.isEmpty()) dialog.selectFile(suggestion);
}

QString AskForSavedGame(QWidget* parent, SavedGameDialog kind, const QString& suggestion,
                        std::function<void(const QString&)> fromComputer) {
    const bool saving = kind == SavedGameDialog::Save;
    QFileDialog dialog(Opener(parent),
                       saving ? QCoreApplication::translate("SavedGameDialog", "Save game as")
                              : QCoreApplication::translate("SavedGameDialog", "Open"));
    dialog.setObjectName(saving ? "SaveDialog1" : "OpenDialog1");
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening needs an existing file; saving asks before replacing one.
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(
        QCoreApplication::translate("SavedGameDialog", "Saved Games (*.ZGS *.zgs)"));
    dialog.setDefaultSuffix("zgs");
    StartIn(dialog, suggestion);
    if (!saving && fromComputer) OfferSavedGameFromComputer(dialog, std::move(fromComputer));
    // The question before a file is replaced comes once the dialog has closed,
    // not from inside it: the web page can wait for only one box at a time.
    if (saving) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().first();
        if (!saving || !QFileInfo::exists(chosen) || MayReplace(dialog, chosen)) return chosen;
    }
    return {};
}

QString FreeSavedGameName(const QString& folder, const QString& name) {
    const QFileInfo info(name);
    const QString stem = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("zgs") : info.suffix();
    QString candidate = QDir(folder).filePath(stem + '.' + suffix);
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate =
            QDir(folder).filePath(QStringLiteral("%1 (%2).%3").arg(stem).arg(n).arg(suffix));
    return candidate;
}

}  // namespace zorikan::ui
