#include "ui/music_player.h"

namespace zorikan::ui {

MusicPlayer::MusicPlayer(std::function<bool()> repeatOn, std::function<void(const QString&)> report)
    : repeatOn_(std::move(repeatOn)), report_(std::move(report)) {}

MusicPlayer::~MusicPlayer() = default;

bool MusicPlayer::ensureBackend(QString& why) {
    if (backend_) return true;
    backend_ = LoadMusicBackend(why);
    if (!backend_) return false;
    backend_->finished = [this] { endOfMedia(); };
    backend_->failed = [this](const QString& text) { failed(text); };
    return true;
}

void MusicPlayer::open(const QString& file) {
    fileName_ = file;
    reported_ = false;
    repeat_.opened(true);
    QString why;
    if (!ensureBackend(why)) {
        failed(why);
        return;
    }
    backend_->play(file);
}

void MusicPlayer::stop() {
    repeat_.stopped();
    if (backend_) backend_->stop();
}

void MusicPlayer::repeatChanged() {
    if (repeat_.repeatChanged(repeatOn_())) restart();
}

void MusicPlayer::endOfMedia() {
    if (repeat_.endOfMedia(repeatOn_())) restart();
}

void MusicPlayer::restart() {
    if (backend_) backend_->restart();
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
        filters << QString::fromStdString(Text(f.description, {f.patterns})) + " (" + patterns +
                       ")";
    }
    return filters.join(";;");
}

}  // namespace zorikan::ui
