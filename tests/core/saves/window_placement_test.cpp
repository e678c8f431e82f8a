// Where the windows stand when a game starts.

#include "core/saves/window_placement.h"

#include <gtest/gtest.h>

namespace zorikan {
namespace {

TEST(NewGameLayout, WindowsStandAroundTheScreensCentre) {
    EXPECT_EQ(PlaceWindows(1920, 1080, false), (WindowPlacement{655, 304, 1083, 304, 655, 618}));
    EXPECT_EQ(PlaceWindows(1023, 767, true), (WindowPlacement{206, 137, 634, 137, 206, 451}));
}

}  // namespace
}  // namespace zorikan
