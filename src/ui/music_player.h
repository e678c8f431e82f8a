#pragma once
// The background music: plays one chosen file, stops and rewinds it, and
// starts it again at its end while "Repeat Music" is checked. The music
// module is loaded only when a file is chosen, so the game starts without
// the sound libraries and runs on machines without sound.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/collection/music.h"
#include "ui/music_backend.h"

namespace zorikan::ui {

class MusicPlayer : public QObject {
    Q_OBJECT

public:
    // `repeatOn` reads the repeat switch; `report` shows an error box.
    MusicPlayer(std::function<bool()> repeatOn, std::function<void(const QString&)> report);
    ~MusicPlayer() override;

    void open(const QString& file);  // and play
    void stop();                     // and rewind
    // The repeat switch was toggled.
    void repeatChanged();

    const QString& fileName() const { return fileName_; }
    const MusicRepeat& repeat() const { return repeat_; }

    // The piece reached its end; the backend calls this.
    void endOfMedia();

private:
    // False when the music module cannot be loaded; `why` says why.
    bool ensureBackend(QString& why);
    void failed(const QString& why);
    void restart();

    std::function<bool()> repeatOn_;
    std::function<void(const QString&)> report_;
    std::unique_ptr<MusicBackend> backend_;
    MusicRepeat repeat_;
    QString fileName_;
    bool reported_ = false;  // one box per chosen file
};

// "All supported formats (...) (*.mp3 ...);;...": the open dialog's filters.
QString MusicFileFilters();

}  // namespace zorikan::ui
