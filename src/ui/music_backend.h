#pragma once
// What plays the music. The media player and the sound libraries behind it
// live in a module of their own (src/music/), loaded the first time the
// player picks a piece: a game that plays no music never loads them, and the
// title window does not wait for them.

#include <QString>
#include <functional>
#include <memory>

namespace zorikan::ui {

class MusicBackend {
public:
    virtual ~MusicBackend() = default;

    // Stops what plays, opens `file` and plays it.
    virtual void play(const QString& file) = 0;
    // Stops and rewinds.
    virtual void stop() = 0;
    // Plays the open piece again from its beginning.
    virtual void restart() = 0;

    std::function<void()> finished;              // the piece reached its end
    std::function<void(const QString&)> failed;  // it cannot be played, and why
};

// The module's one entry point, by this name: a new backend.
using MakeMusicBackend = MusicBackend* (*)();
inline constexpr const char* kMakeMusicBackend = "zorikan_make_music_backend";

// Loads the module from beside the game or from its installed folder; on
// failure nullptr, with the reason in `why`.
std::unique_ptr<MusicBackend> LoadMusicBackend(QString& why);

}  // namespace zorikan::ui
