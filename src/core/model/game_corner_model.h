#pragma once
// What the Game Corner window shows, and the game being drawn.

#include <cstdint>
#include <vector>

namespace zorikan {

// One game of the lottery, settled when "Draw number!" is pressed: the stake
// is taken and all draws are made at once, so the flicker that follows only
// shows them and nothing the player does meanwhile can change the outcome.
struct GameCornerDraw {
    std::uint32_t bet = 0;
    int prizeKind = 0;
    int pickedNumber = 0;
    std::vector<std::uint8_t> draws;  // in order; the last one is the lucky number
};

struct GameCornerModel {
    std::uint32_t bet = 0;         // SpinEdit1, in yen
    std::uint32_t betMaximum = 0;  // the money when the window was shown
    int prizeKind = -1;            // RadioGroup1 entry; -1 for none
    int pickedNumber = -1;         // RadioGroup2 entry; -1 for none
    int luckyNumber = -1;          // RadioGroup3 entry; -1 for none
    bool drawing = false;          // the lucky number is flickering
    GameCornerDraw draw;           // the game on show while `drawing`
};

}  // namespace zorikan
