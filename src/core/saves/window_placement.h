#pragma once
// Where the windows stand when a new game starts or a saved one is loaded.

namespace zorikan {

struct WindowPlacement {
    int mainLeft, mainTop;
    int statisticsLeft, statisticsTop;
    int battleLogLeft, battleLogTop;

    bool operator==(const WindowPlacement&) const = default;
};

// The main window stands near the screen's centre with the statistics window
// to its right and the battle log below it. A loaded game stands 10 pixels
// higher than a new one.
WindowPlacement PlaceWindows(int screenWidth, int screenHeight, bool loadedGame);

}  // namespace zorikan
