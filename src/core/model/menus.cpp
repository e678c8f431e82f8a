#include "core/model/menus.h"

namespace zorikan {

namespace {

// Items that wait for progress before the player may use them; every other
// item starts enabled.
constexpr std::string_view kLockedAtStart[] = {
    "Omnivar1", "GrandFour1", "BrennarGymLeaders1",
    "Kell1",    "Me1",        "CyrelleGymLeaders1",
    "Elites1",  "Nerissa1",   "LtHarker1",
    "Odile1",   "Imara1",     "Tilde1",
    "Fenwick1", "Roderic1",   "Nils1",
    "Posy1",    "Elwin1",     "Grigor1",
    "Lunet1",   "Haskel1",    "Vesper1",
    "Dunstan1", "Caddock1",   "Ravenna1",
    "Osric1",   "Merle1",     "OrinIsla1",
    "Marius1",
};

}  // namespace

MenuModel::MenuModel() {
    for (auto item : kLockedAtStart) items_[std::string(item)].enabled = false;
    items_["RepeatMusic1"].checked = true;
}

bool MenuModel::isEnabled(std::string_view item) const {
    auto it = items_.find(item);
    return it == items_.end() || it->second.enabled;
}

bool MenuModel::isChecked(std::string_view item) const {
    auto it = items_.find(item);
    return it != items_.end() && it->second.checked;
}

void MenuModel::setEnabled(std::string_view item, bool enabled) {
    auto it = items_.find(item);
    if (it == items_.end()) it = items_.emplace(std::string(item), State{}).first;
    it->second.enabled = enabled;
}

void MenuModel::setChecked(std::string_view item, bool checked) {
    auto it = items_.find(item);
    if (it == items_.end()) it = items_.emplace(std::string(item), State{}).first;
    it->second.checked = checked;
}

}  // namespace zorikan
