#pragma once
// Enabled and checked states of the main window's menu items. The rules
// decide them; the window only draws them.

#include <array>
#include <span>

#include "core/model/menu_item.h"

namespace zorikan {

class MenuModel {
public:
    MenuModel();  // the states at program start

    bool isEnabled(MenuItem item) const { return states_[IndexOf(item)].enabled; }
    bool isChecked(MenuItem item) const { return states_[IndexOf(item)].checked; }
    void setEnabled(MenuItem item, bool enabled) { states_[IndexOf(item)].enabled = enabled; }
    void setChecked(MenuItem item, bool checked) { states_[IndexOf(item)].checked = checked; }
    void enable(MenuItem item) { setEnabled(item, true); }
    void disable(MenuItem item) { setEnabled(item, false); }

private:
    struct State {
        bool enabled = true;
        bool checked = false;
    };
    std::array<State, kMenuItemCount> states_{};
};

// Items that wait for progress before the player may use them; every other
// item starts enabled.
std::span<const MenuItem> LockedAtStart();

}  // namespace zorikan
