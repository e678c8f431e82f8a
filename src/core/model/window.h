#pragma once
// The windows a rule shows and hides.

namespace zorikan {

enum class Window {
    Loader,
    Title,
    Main,
    BattleLog,
    Zoridex,
    Mart,
    Statistics,
    TypeComparisons,
    GameCorner,
};

inline constexpr int kWindowCount = static_cast<int>(Window::GameCorner) + 1;

}  // namespace zorikan
