#pragma once
// The background music's repeat rule. The player reports what happens to the
// piece; the rule answers whether to start it again from the beginning. A
// finished piece restarts at once with repeat on, or later when repeat is
// turned on; a stopped piece stands rewound and is never restarted by it.

#include <string>

#include "core/game/game.h"
#include "core/text/message.h"

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
// description and patterns of each in order. The description is a text of
// the player's language around the patterns, which stay as written.
struct MusicFilter {
    Message description;
    const char* patterns;
};
inline constexpr MusicFilter kMusicFilters[] = {
    //: A file type of the music open dialog; %1 is its file patterns, e.g. *.wav.
    {ZORIKAN_TEXT("Music", "All supported formats (%1)"),
     "*.mp3;*.mpeg;*.mpg;*.mpe;*.m1v;*.mp2;*.mpv2;*.mpa;*.wma;*.wmv;*.wav;*.mid;*.midi;*.rmi"},
    //: A file type of the music open dialog; %1 is its file patterns.
    {ZORIKAN_TEXT("Music", "MPEG Audio/Video Files (%1)"),
     "*.mp3;*.mpeg;*.mpg;*.mpe;*.m1v;*.mp2;*.mpv2;*.mpa"},
    //: A file type of the music open dialog; %1 is its file patterns.
    {ZORIKAN_TEXT("Music", "Windows Media (%1)"), "*.wma;*.wmv"},
    //: A file type of the music open dialog; %1 is its file patterns.
    {ZORIKAN_TEXT("Music", "Wave Files (%1)"), "*.wav"},
    //: A file type of the music open dialog; %1 is its file patterns.
    {ZORIKAN_TEXT("Music", "MIDI Files (%1)"), "*.mid;*.midi;*.rmi"},
    //: A file type of the music open dialog; %1 is its file patterns.
    {ZORIKAN_TEXT("Music", "All files (%1)"), "*.*"},
};

}  // namespace zorikan
