#include "ui/system_files.h"

#include <emscripten.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "core/data/atomic_file.h"
#include "ui/music_backend.h"
#include "ui/saved_game_dialog.h"

namespace zorikan::ui {

namespace {

// The stored file's name, or an empty one when it could not be stored; the
// player is told why, as for every other file that fails.
QString StoreFromComputer(const QString& name, const QByteArray& content) {
    const QString path = FreeSavedGameName(DocumentsFolder(), QFileInfo(name).fileName());
    if (const auto error = WriteFileAtomically(path.toStdString(), content.toStdString())) {
        QMessageBox::warning(Opener(nullptr), QCoreApplication::applicationName(),
                             QString::fromStdString(error->message()));
        return {};
    }
    KeepWrittenFiles();
    return path;
}

}  // namespace

void KeepWrittenFiles() {
    // The page's loader (src/app/web/storage.js) copies the home folder into
    // IndexedDB, one copy at a time.
    EM_ASM({ Module.zorikanKeepFiles(); });
}

QString AskForMusicFile(QWidget* parent) {
    // The music back end's own word for why there is none.
    QString why;
    LoadMusicBackend(why);
    QMessageBox::information(Opener(parent), QCoreApplication::applicationName(), why);
    return {};
}

QString AskForExportFile(QWidget*) {
    // Written in the page's own memory (its working folder), then downloaded
    // under this name; the box after the export names just the file.
    return QStringLiteral("ZORIKAN.htm");
}

bool ShowExportedPage(const QString& file) {
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly)) return false;
    QFileDialog::saveFileContent(page.readAll(), QFileInfo(file).fileName());
    return true;
}

void OfferSavedGameFromComputer(QFileDialog& dialog, std::function<void(const QString&)> arrived) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (!buttons) return;
    QPushButton* fromComputer =
        buttons->addButton(QCoreApplication::translate("SavedGameDialog", "From your computer..."),
                           QDialogButtonBox::ActionRole);
    fromComputer->setObjectName("FromComputerButton");
    const QString filter = dialog.nameFilters().join(QStringLiteral(";;"));
    QObject::connect(fromComputer, &QPushButton::clicked, &dialog, [&dialog, filter, arrived] {
        dialog.reject();
        // The browser's own file chooser; it tells nothing when the player
        // cancels it, so nothing waits for it.
        QFileDialog::getOpenFileContent(filter,
                                        [arrived](const QString& name, const QByteArray& content) {
                                            if (name.isEmpty()) return;
                                            const QString stored = StoreFromComputer(name, content);
                                            if (!stored.isEmpty()) arrived(stored);
                                        });
    });
}

void AddSavedGameDownload(QMenu* menu, std::function<std::string()> savedGame,
                          std::function<QString()> fileName) {
    QAction* download =
        new QAction(QCoreApplication::translate("SavedGameDialog", "Download saved game..."), menu);
    download->setObjectName("DownloadSavedGame1");
    // Before the menu's last entry, the quit.
    const QList<QAction*> entries = menu->actions();
    menu->insertAction(entries.isEmpty() ? nullptr : entries.last(), download);
    QObject::connect(download, &QAction::triggered, menu, [savedGame, fileName] {
        const std::string text = savedGame();
        if (text.empty()) return;
        QFileDialog::saveFileContent(QByteArray::fromStdString(text), fileName());
    });
}

}  // namespace zorikan::ui
