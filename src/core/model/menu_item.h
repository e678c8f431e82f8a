#pragma once
// The main window's menu items, one per entry of the menu layout and in its
// order, each named after the object name the window gives it.

#include <cstddef>
#include <cstdint>

namespace zorikan {

enum class MenuItem : std::uint8_t {
    File1,
    ExportZORIKANinformation1,
    Quit1,

    Action1,
    FightTrainer1,
    Trainers1,
    Beginner1,
    Tavrin1,
    Ambrel1,
    Dovik1,
    Pelissa1,
    Morrow1,
    Quenby1,
    Ilvane1,
    Novice,
    Sorcha1,
    Kesmer1,
    Lorin1,
    Intermediate1,
    ProfHalvard1,
    ProfWendeck1,
    ProfDunmore1,
    Advanced1,
    Vesna1,
    Rusk1,
    Expert1,
    Severin1,
    AldmarkGymLeaders1,
    Dorn1,
    Nerissa1,
    LtHarker1,
    Odile1,
    Imara1,
    Tilde1,
    Fenwick1,
    Roderic1,
    GrandFour1,
    BrennarGymLeaders1,
    Aubric1,
    Nils1,
    Posy1,
    Elwin1,
    Grigor1,
    Lunet1,
    Haskel1,
    Vesper1,
    Kell1,
    Me1,
    CyrelleGymLeaders1,
    Brigid1,
    Dunstan1,
    Caddock1,
    Ravenna1,
    Osric1,
    Merle1,
    OrinIsla1,
    Marius1,
    Elites1,
    LowlandGrandFour1,
    CoastalGrandFour1,
    FightWild1,
    FindZRKN1,
    Omnivar1,
    Tournaments1,
    VeryEasyLevels2101,
    EasyLevels10301,
    IntermediateLevels30501,
    HardLevels50701,
    VeryHardLevels70991,
    SummitCupLevel1001,
    Buy1,
    Evolve1,
    ReleaseZRKN1,
    ViewDEX1,
    TypeComparisons1,
    GameCorner1,
    Statistics1,

    SelectMusic1,
    Openfile1,
    RepeatMusic1,
    StopMusic1,

    Help1,
    Contents1,
    About1,

    Debug1,
    MakeVisible1,
    AlwaysshowattacksinZORIDEX1,  // the last: kMenuItemCount counts up to it
};

inline constexpr std::size_t kMenuItemCount =
    static_cast<std::size_t>(MenuItem::AlwaysshowattacksinZORIDEX1) + 1;

// The item's place in the layout, for tables indexed by item.
constexpr std::size_t IndexOf(MenuItem item) {
    return static_cast<std::size_t>(item);
}

}  // namespace zorikan
