#include "core/collection/music.h"

#include "core/data/file_path.h"

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
    std::string text = FileNameWithoutFolder(fileName) + ": ";
    text += reason.empty() ? "This file cannot be played" : reason;
    if (text.back() != '.') text += '.';
    return text;
}

}  // namespace zorikan
