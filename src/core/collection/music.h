#pragma once
// The background music's repeat rule. The player reports what happens to the
// piece; the rule answers whether to start it again from the beginning. A
// finished piece restarts at once with repeat on, or later when repeat is
// turned on; a stopped piece stands rewound and is never restarted by it.

#include <string>

#include "core/game/game.h"

namespace zorikan {

class MusicRepeat {
public:
    enum class State { NoFile, Playing, Finished, Stopped, Broken };

    // A new piece was chosen; false when it cannot be played.
    void opened(bool playable) { state_ = playable ? State::Playing : State::Broken; }
    // The piece reached its end. True: play it again from the start.
    bool endOfMedia(bool repeatOn);
    // The repeat switch changed. True: play the finished piece again.
    bool repeatChanged(bool repeatOn);
    // "Stop Music": stopped and rewound.
    void stopped();
    // A playback error after opening; the piece is left alone from now on.
    void failed() { state_ = State::Broken; }

    State state() const { return state_; }

private:
    State state_ = State::NoFile;
};

// The error box for a music file that cannot be played: the file's name
// without its folder, the player's reason (or a plain one when it gives
// none) and one full stop, also when the reason already ends in one.
std::string MusicErrorText(const std::string& fileName, const std::string& reason);

inline constexpr MenuItem kRepeatMusic = MenuItem::RepeatMusic1;

// The Music menu's "Repeat Music": toggles the switch and returns it.
bool ToggleRepeatMusic(Game& game);

// "All supported formats (...)|...|...": the music open dialog's filters,
// description and patterns of each in order.
struct MusicFilter {
    const char* description;
    const char* patterns;
};
inline constexpr MusicFilter kMusicFilters[] = {
    {"All supported formats "
     "(*.mp3;*.mpeg;*.mpg;*.mpe;*.m1v;*.mp2;*.mpv2;*.mpa;*.wma;*.wmv;*.wav;*.mid;*.midi;*.rmi)",
     "*.mp3;*.mpeg;*.mpg;*.mpe;*.m1v;*.mp2;*.mpv2;*.mpa;*.wma;*.wmv;*.wav;*.mid;*.midi;*.rmi"},
    {"MPEG Audio/Video Files (*.mp3;*.mpeg;*.mpg;*.mpe;*.m1v;*.mp2;*.mpv2;*.mpa)",
     "*.mp3;*.mpeg;*.mpg;*.mpe;*.m1v;*.mp2;*.mpv2;*.mpa"},
    {"Windows Media (*.wma;*.wmv)", "*.wma;*.wmv"},
    {"Wave Files (*.wav)", "*.wav"},
    {"MIDI Files (*.mid;*.midi;*.rmi)", "*.mid;*.midi;*.rmi"},
    {"All files (*.*)", "*.*"},
};

}  // namespace zorikan
