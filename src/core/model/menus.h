#pragma once
// Enabled and checked states of the main window's menu items, keyed by the
// items' object names ("Action1", "Nerissa1", ...). The rules decide them;
// the window only draws them.

#include <map>
#include <string>
#include <string_view>

namespace zorikan {

class MenuModel {
public:
    MenuModel();  // the states at program start

    bool isEnabled(std::string_view item) const;
    bool isChecked(std::string_view item) const;
    void setEnabled(std::string_view item, bool enabled);
    void setChecked(std::string_view item, bool checked);
    void enable(std::string_view item) { setEnabled(item, true); }
    void disable(std::string_view item) { setEnabled(item, false); }

private:
    struct State {
        bool enabled = true;
        bool checked = false;
    };
    std::map<std::string, State, std::less<>> items_;
};

}  // namespace zorikan
