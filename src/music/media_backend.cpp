// The music module: plays a piece through Qt Multimedia. Loaded by the game
// (ui::LoadMusicBackend) the first time the player picks a piece.

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "ui/music_backend.h"

namespace zorikan::music {

namespace {

class MediaBackend final : public ui::MusicBackend {
public:
    MediaBackend() {
        player_.setAudioOutput(&output_);
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged,
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::EndOfMedia && finished) finished();
                             if (status == QMediaPlayer::InvalidMedia && failed)
                                 failed(player_.errorString());
                         });
        QObject::connect(&player_, &QMediaPlayer::errorOccurred,
                         [this](QMediaPlayer::Error, const QString& text) {
                             if (failed) failed(text);
                         });
    }

    void play(const QString& file) override {
        if (player_.playbackState() == QMediaPlayer::PlayingState) player_.stop();
        player_.setSource(QUrl::fromLocalFile(file));
        player_.play();
    }
    void stop() override {
        player_.stop();  // a stopped player stands at the start again
        player_.setPosition(0);
    }
    void restart() override {
        // Media that cannot seek (MIDI) restart from the source.
        player_.stop();
        player_.setPosition(0);
        player_.play();
    }

private:
    QAudioOutput output_;
    QMediaPlayer player_;
};

}  // namespace

}  // namespace zorikan::music

extern "C" Q_DECL_EXPORT zorikan::ui::MusicBackend* zorikan_make_music_backend() {
    return new zorikan::music::MediaBackend();
}
