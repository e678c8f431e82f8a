#include "core/saves/window_placement.h"

namespace zorikan {

WindowPlacement PlaceWindows(int screenWidth, int screenHeight, bool loadedGame) {
    WindowPlacement p{};
    p.mainLeft = screenWidth / 2 - 305;
    p.mainTop = screenHeight / 2 - (loadedGame ? 246 : 236);
    p.statisticsLeft = p.mainLeft + 428;
    p.statisticsTop = p.mainTop;
    p.battleLogLeft = p.mainLeft;
    p.battleLogTop = p.mainTop + 314;
    return p;
}

}  // namespace zorikan
