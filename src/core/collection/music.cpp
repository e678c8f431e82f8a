#include "core/collection/music.h"

#include "core/data/file_path.h"
#include "core/text/catalogue.h"

namespace zorikan {

bool MusicRepeat::endOfMedia(bool repeatOn) {
    if (state_ != State::Playing) return false;
    if (repeatOn) return true;
    state_ = State::Finished;
    return false;
}

bool MusicRepeat::repeatChanged(bool repeatOn) {
    if (state_ != State::Finished || !repeatOn) return false;
    state_ = State::Playing;
    return true;
}

void MusicRepeat::stopped() {
    if (state_ == State::Playing || state_ == State::Finished) state_ = State::Stopped;
}

bool ToggleRepeatMusic(Game& game) {
    MenuModel& menus = game.screens.menus;
    menus.setChecked(kRepeatMusic, !menus.isChecked(kRepeatMusic));
    return menus.isChecked(kRepeatMusic);
}

std::string MusicErrorText(const std::string& fileName, const std::string& reason) {
    const std::string why = reason.empty() ? Text(text::kCannotPlay) : reason;
    const bool fullStop = !why.empty() && why.back() == '.';
    return Text(fullStop ? text::kMusicErrorWithStop : text::kMusicError,
                {FileNameWithoutFolder(fileName), why});
}

}  // namespace zorikan
