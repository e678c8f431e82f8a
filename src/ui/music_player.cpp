#include "ui/music_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace zorikan::ui {

MusicPlayer::MusicPlayer(std::function<bool()> repeatOn, std::function<void(const QString&)> report)
    : repeatOn_(std::move(repeatOn)), report_(std::move(report)) {}

MusicPlayer::~MusicPlayer() = default;

void MusicPlayer::ensurePlayer() {
    if (player_) return;
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia) endOfMedia();
                if (status == QMediaPlayer::InvalidMedia) failed(player_->errorString());
            });
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) { failed(text); });
}

void MusicPlayer::open(const QString& file) {
    ensurePlayer();
    if (player_->playbackState() == QMediaPlayer::PlayingState) player_->stop();
    fileName_ = file;
    reported_ = false;
    repeat_.opened(true);
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}

void MusicPlayer::stop() {
    repeat_.stopped();
    if (!player_) return;
    player_->stop();  // a stopped player stands at the start again
    player_->setPosition(0);
}

void MusicPlayer::repeatChanged() {
    if (repeat_.repeatChanged(repeatOn_())) restart();
}

void MusicPlayer::endOfMedia() {
    if (repeat_.endOfMedia(repeatOn_())) restart();
}

void MusicPlayer::restart() {
    if (!player_) return;
    // Media that cannot seek (MIDI) restart from the source.
    player_->stop();
    player_->setPosition(0);
    player_->play();
}

void MusicPlayer::failed(const QString& why) {
    const bool wasBroken = repeat_.state() == MusicRepeat::State::Broken;
    repeat_.failed();
    if (reported_ || wasBroken) return;
    reported_ = true;
    if (report_)
        report_(QString::fromStdString(MusicErrorText(fileName_.toStdString(), why.toStdString())));
}

QString MusicFileFilters() {
    // The dialog reads the patterns from the last brackets, blank-separated;
    // with HideNameFilterDetails only the description itself is shown.
    QStringList filters;
    for (const MusicFilter& f : kMusicFilters) {
        QString patterns = QString::fromLatin1(f.patterns);
        patterns.replace(';', ' ');
        filters << QString::fromLatin1(f.description) + " (" + patterns + ")";
    }
    return filters.join(";;");
}

}  // namespace zorikan::ui
