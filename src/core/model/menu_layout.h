#pragma once
// The main window's menu bar, top to bottom: each entry names its item, the
// object name the window gives it, its parent (none for a menu of the bar),
// its caption and short cut.

#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

#include "core/model/menu_item.h"
#include "core/text/message.h"

namespace zorikan {

struct MenuEntry {
    MenuItem item;
    std::string_view name;
    std::optional<MenuItem> parent;
    // An & before the letter that opens the item with Alt; && shows an &.
    Message caption;
    std::string_view shortcut = {};
    bool checkable = false;
};

// Every item once, in item order, a parent before its children.
std::span<const MenuEntry> MainMenuLayout();
const MenuEntry& EntryOf(MenuItem item);
std::string_view ObjectName(MenuItem item);
// The item with this object name; none for any other name.
std::optional<MenuItem> MenuItemNamed(std::string_view name);
// Whether the item is a menu holding other items.
bool HasChildren(MenuItem item);
// Writes the item's object name, as reports and test failures show it.
std::ostream& operator<<(std::ostream& out, MenuItem item);

// The menu that is never shown; its short cut still works.
inline constexpr MenuItem kHiddenMenu = MenuItem::Debug1;

}  // namespace zorikan
