#pragma once
// The main window's menu bar, top to bottom: each entry names its parent
// (empty for a menu of the bar), its object name, caption and short cut.

#include <span>
#include <string_view>

namespace zorikan {

struct MenuEntry {
    std::string_view parent;
    std::string_view name;
    std::string_view caption;
    std::string_view shortcut = {};
    bool checkable = false;
};

std::span<const MenuEntry> MainMenuLayout();

// The menu that is never shown; its short cut still works.
inline constexpr std::string_view kHiddenMenu = "Debug1";

}  // namespace zorikan
