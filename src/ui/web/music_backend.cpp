#include "ui/music_backend.h"

#include <QCoreApplication>

namespace zorikan::ui {

// The page has no module to load and no Qt Multimedia: the Music menu says
// so before a piece is picked (ui/web/system_files.cpp).
std::unique_ptr<MusicBackend> LoadMusicBackend(QString& why) {
    why = QCoreApplication::translate("MusicDialog", "Music plays in the desktop game only.");
    return nullptr;
}

}  // namespace zorikan::ui
