#include "core/collection/music.h"

#include "core/collection/zoridex.h"

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

void MakeVisible(Game& game) {
    game.screens.menus.disable("MakeVisible1");
}

void ToggleAlwaysShowAttacks(Game& game) {
    MenuModel& menus = game.screens.menus;
    menus.setChecked(kAlwaysShowAttacks, !menus.isChecked(kAlwaysShowAttacks));
}

std::string MusicErrorText(const std::string& fileName, const std::string& reason) {
    const std::size_t slash = fileName.find_last_of("/\\");
    std::string text = (slash == std::string::npos ? fileName : fileName.substr(slash + 1)) + ": ";
    text += reason.empty() ? "This file cannot be played" : reason;
    if (text.back() != '.') text += '.';
    return text;
}

}  // namespace zorikan
