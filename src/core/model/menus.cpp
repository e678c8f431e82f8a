#include "core/model/menus.h"

namespace zorikan {

namespace {

using enum MenuItem;

constexpr MenuItem kLockedAtStart[] = {
    Omnivar1, GrandFour1, BrennarGymLeaders1,
    Kell1,    Me1,        CyrelleGymLeaders1,
    Elites1,  Nerissa1,   LtHarker1,
    Odile1,   Imara1,     Tilde1,
    Fenwick1, Roderic1,   Nils1,
    Posy1,    Elwin1,     Grigor1,
    Lunet1,   Haskel1,    Vesper1,
    Dunstan1, Caddock1,   Ravenna1,
    Osric1,   Merle1,     OrinIsla1,
    Marius1,
};

}  // namespace

MenuModel::MenuModel() {
    for (MenuItem item : kLockedAtStart) disable(item);
    setChecked(RepeatMusic1, true);
}

std::span<const MenuItem> LockedAtStart() {
    return kLockedAtStart;
}

}  // namespace zorikan
