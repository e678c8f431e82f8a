// The background music's repeat rule, its menu switch, filters and errors.

#include "core/collection/music.h"

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace zorikan::testing {
namespace {

using State = MusicRepeat::State;

TEST(MusicRepeat, RepeatOnLoopsWithoutEnd) {
    MusicRepeat music;
    music.opened(true);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(music.endOfMedia(true));
    EXPECT_EQ(music.state(), State::Playing);
}

TEST(MusicRepeat, FinishedPieceRestartsWhenRepeatIsTurnedOn) {
    MusicRepeat music;
    music.opened(true);
    EXPECT_FALSE(music.endOfMedia(false));
    EXPECT_EQ(music.state(), State::Finished);
    EXPECT_FALSE(music.repeatChanged(false));
    EXPECT_TRUE(music.repeatChanged(true));
    EXPECT_EQ(music.state(), State::Playing);
    EXPECT_FALSE(music.repeatChanged(true));  // already playing
}

TEST(MusicRepeat, StoppedPieceIsNotRestarted) {
    MusicRepeat music;
    music.opened(true);
    music.stopped();
    EXPECT_FALSE(music.repeatChanged(false));
    EXPECT_FALSE(music.repeatChanged(true));
    EXPECT_FALSE(music.endOfMedia(true));
    EXPECT_EQ(music.state(), State::Stopped);

    // Stopping a finished piece rewinds it, too.
    music.opened(true);
    music.endOfMedia(false);
    music.stopped();
    EXPECT_FALSE(music.repeatChanged(true));
}

TEST(MusicRepeat, NothingToRepeatWithoutAPlayablePiece) {
    MusicRepeat music;
    EXPECT_FALSE(music.endOfMedia(true));
    EXPECT_FALSE(music.repeatChanged(true));
    music.opened(false);
    EXPECT_FALSE(music.endOfMedia(true));
    EXPECT_FALSE(music.repeatChanged(true));
    music.opened(true);
    music.failed();
    EXPECT_FALSE(music.endOfMedia(true));
    EXPECT_EQ(music.state(), State::Broken);
}

class MenuSwitchesTest : public GameTest {};

TEST_F(MenuSwitchesTest, RepeatStartsOnAndToggles) {
    EXPECT_TRUE(game.screens.menus.isChecked(kRepeatMusic));
    EXPECT_FALSE(ToggleRepeatMusic(game));
    EXPECT_FALSE(game.screens.menus.isChecked(kRepeatMusic));
    EXPECT_TRUE(ToggleRepeatMusic(game));
}

TEST(MusicFilters, ListTheKindsInOrder) {
    ASSERT_EQ(std::size(kMusicFilters), 6u);
    EXPECT_EQ(Text(kMusicFilters[3].description, {kMusicFilters[3].patterns}),
              "Wave Files (*.wav)");
    EXPECT_STREQ(kMusicFilters[5].patterns, "*.*");
    // Every description ends with its own patterns in brackets.
    for (const MusicFilter& f : kMusicFilters) {
        const std::string description = Text(f.description, {f.patterns});
        EXPECT_TRUE(description.ends_with(std::string("(") + f.patterns + ")")) << description;
    }
}

TEST(MusicError, EndsInOneFullStop) {
    // The player's own reason may already end in a full stop.
    EXPECT_EQ(MusicErrorText("/home/bo/tunes/empty.mp3", "Stream contains no data."),
              "empty.mp3: Stream contains no data.");
    EXPECT_EQ(MusicErrorText("C:\\tunes\\noise.wav", "Could not open file"),
              "noise.wav: Could not open file.");
    EXPECT_EQ(MusicErrorText("song.mid", ""), "song.mid: This file cannot be played.");
}

}  // namespace
}  // namespace zorikan::testing
