#include "ui/music_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace zorikan::ui {

std::unique_ptr<MusicBackend> LoadMusicBackend(QString& why) {
    // A build keeps the module beside the game; an installed game in its own folder.
    const QStringList folders{QCoreApplication::applicationDirPath(),
                              QStringLiteral(ZORIKAN_INSTALLED_MODULE_DIR)};
    for (const QString& folder : folders) {
        // Never unloaded: the backend's code must outlive it.
        QLibrary module(QDir(folder).filePath(QStringLiteral("zorikan_music")));
        if (!module.load()) {
            why = module.errorString();
            continue;
        }
        auto make = reinterpret_cast<MakeMusicBackend>(module.resolve(kMakeMusicBackend));
        if (!make) {
            why = module.errorString();
            continue;
        }
        return std::unique_ptr<MusicBackend>(make());
    }
    return nullptr;
}

}  // namespace zorikan::ui
