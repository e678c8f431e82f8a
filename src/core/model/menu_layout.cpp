#include "core/model/menu_layout.h"

#include <iterator>
#include <ostream>

namespace zorikan {

namespace {

using enum MenuItem;

// The enumerator and the object name are one word.
#define ITEM(item) MenuItem::item, #item

constexpr std::optional<MenuItem> kOnTheBar = std::nullopt;

constexpr MenuEntry kLayout[] = {
    {ITEM(File1), kOnTheBar, ZORIKAN_TEXT("Menu", "&File")},
    {ITEM(ExportZORIKANinformation1), File1, ZORIKAN_TEXT("Menu", "Export ZORIKAN information...")},
    {ITEM(Quit1), File1, ZORIKAN_TEXT("Menu", "Quit")},

    {ITEM(Action1), kOnTheBar, ZORIKAN_TEXT("Menu", "&Actions")},
    {ITEM(FightTrainer1), Action1, ZORIKAN_TEXT("Menu", "Fight a Trainer")},
    {ITEM(Trainers1), FightTrainer1, ZORIKAN_TEXT("Menu", "Trainers")},
    {ITEM(Beginner1), Trainers1, ZORIKAN_TEXT("Menu", "Beginner")},
    {ITEM(Tavrin1), Beginner1, ZORIKAN_TEXT("Menu", "Tavrin")},
    {ITEM(Ambrel1), Beginner1, ZORIKAN_TEXT("Menu", "Ambrel")},
    {ITEM(Dovik1), Beginner1, ZORIKAN_TEXT("Menu", "Dovik")},
    {ITEM(Pelissa1), Beginner1, ZORIKAN_TEXT("Menu", "Pelissa")},
    {ITEM(Morrow1), Beginner1, ZORIKAN_TEXT("Menu", "Morrow")},
    {ITEM(Quenby1), Beginner1, ZORIKAN_TEXT("Menu", "Quenby")},
    {ITEM(Ilvane1), Beginner1, ZORIKAN_TEXT("Menu", "Ilvane")},
    {ITEM(Novice), Trainers1, ZORIKAN_TEXT("Menu", "Novice")},
    {ITEM(Sorcha1), Novice, ZORIKAN_TEXT("Menu", "Sorcha")},
    {ITEM(Kesmer1), Novice, ZORIKAN_TEXT("Menu", "Kesmer")},
    {ITEM(Lorin1), Novice, ZORIKAN_TEXT("Menu", "Lorin")},
    {ITEM(Intermediate1), Trainers1, ZORIKAN_TEXT("Menu", "Intermediate")},
    {ITEM(ProfHalvard1), Intermediate1, ZORIKAN_TEXT("Menu", "Prof.Halvard")},
    {ITEM(ProfWendeck1), Intermediate1, ZORIKAN_TEXT("Menu", "Prof.Wendeck")},
    {ITEM(ProfDunmore1), Intermediate1, ZORIKAN_TEXT("Menu", "Prof.Dunmore")},
    {ITEM(Advanced1), Trainers1, ZORIKAN_TEXT("Menu", "Advanced")},
    {ITEM(Vesna1), Advanced1, ZORIKAN_TEXT("Menu", "Vesna")},
    {ITEM(Rusk1), Advanced1, ZORIKAN_TEXT("Menu", "Rusk")},
    {ITEM(Expert1), Trainers1, ZORIKAN_TEXT("Menu", "Expert")},
    {ITEM(Severin1), Expert1, ZORIKAN_TEXT("Menu", "Severin")},
    {ITEM(AldmarkGymLeaders1), FightTrainer1, ZORIKAN_TEXT("Menu", "Aldmark Gym Leaders")},
    {ITEM(Dorn1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Dorn")},
    {ITEM(Nerissa1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Nerissa")},
    {ITEM(LtHarker1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Lt. Harker")},
    {ITEM(Odile1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Odile")},
    {ITEM(Imara1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Imara")},
    {ITEM(Tilde1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Tilde")},
    {ITEM(Fenwick1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Fenwick")},
    {ITEM(Roderic1), AldmarkGymLeaders1, ZORIKAN_TEXT("Menu", "Roderic")},
    {ITEM(GrandFour1), FightTrainer1, ZORIKAN_TEXT("Menu", "Highland Grand Four")},
    {ITEM(BrennarGymLeaders1), FightTrainer1, ZORIKAN_TEXT("Menu", "Brennar Gym Leaders")},
    {ITEM(Aubric1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Aubric")},
    {ITEM(Nils1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Nils")},
    {ITEM(Posy1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Posy")},
    {ITEM(Elwin1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Elwin")},
    {ITEM(Grigor1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Grigor")},
    {ITEM(Lunet1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Lunet")},
    {ITEM(Haskel1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Haskel")},
    {ITEM(Vesper1), BrennarGymLeaders1, ZORIKAN_TEXT("Menu", "Vesper")},
    {ITEM(Kell1), FightTrainer1, ZORIKAN_TEXT("Menu", "Kell")},
    {ITEM(Me1), FightTrainer1, ZORIKAN_TEXT("Menu", "Me")},
    {ITEM(CyrelleGymLeaders1), FightTrainer1, ZORIKAN_TEXT("Menu", "Cyrelle Gym Leaders (L.100)")},
    {ITEM(Brigid1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Brigid")},
    {ITEM(Dunstan1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Dunstan")},
    {ITEM(Caddock1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Caddock")},
    {ITEM(Ravenna1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Ravenna")},
    {ITEM(Osric1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Osric")},
    {ITEM(Merle1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Merle")},
    {ITEM(OrinIsla1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Orin && Isla")},
    {ITEM(Marius1), CyrelleGymLeaders1, ZORIKAN_TEXT("Menu", "Marius")},
    {ITEM(Elites1), FightTrainer1, ZORIKAN_TEXT("Menu", "Other Elites")},
    {ITEM(LowlandGrandFour1), Elites1, ZORIKAN_TEXT("Menu", "Lowland Grand Four")},
    {ITEM(CoastalGrandFour1), Elites1, ZORIKAN_TEXT("Menu", "Coastal Grand Four")},
    {ITEM(FightWild1), Action1, ZORIKAN_TEXT("Menu", "Fight a wild ZORIKAN")},
    {ITEM(FindZRKN1), FightWild1, ZORIKAN_TEXT("Menu", "Search for a ZORIKAN")},
    {ITEM(Omnivar1), FightWild1, ZORIKAN_TEXT("Menu", "Omnivar")},
    {ITEM(Tournaments1), Action1, ZORIKAN_TEXT("Menu", "Tournaments")},
    {ITEM(VeryEasyLevels2101), Tournaments1, ZORIKAN_TEXT("Menu", "Very Easy (Levels 2-10)")},
    {ITEM(EasyLevels10301), Tournaments1, ZORIKAN_TEXT("Menu", "Easy (Levels 10-30)")},
    {ITEM(IntermediateLevels30501), Tournaments1,
     ZORIKAN_TEXT("Menu", "Intermediate (Levels 30-50)")},
    {ITEM(HardLevels50701), Tournaments1, ZORIKAN_TEXT("Menu", "Hard (Levels 50-70)")},
    {ITEM(VeryHardLevels70991), Tournaments1, ZORIKAN_TEXT("Menu", "Very Hard (Levels 70-99)")},
    {ITEM(SummitCupLevel1001), Tournaments1, ZORIKAN_TEXT("Menu", "Summit Cup (Level 100)")},
    {ITEM(Buy1), Action1, ZORIKAN_TEXT("Menu", "Buy Items")},
    {ITEM(Evolve1), Action1, ZORIKAN_TEXT("Menu", "Evolve a ZORIKAN"), {}, true},
    {ITEM(ReleaseZRKN1), Action1, ZORIKAN_TEXT("Menu", "Release a ZORIKAN"), {}, true},
    {ITEM(ViewDEX1), Action1, ZORIKAN_TEXT("Menu", "View ZORIDEX")},
    {ITEM(TypeComparisons1), Action1, ZORIKAN_TEXT("Menu", "Type Comparisons")},
    {ITEM(GameCorner1), Action1, ZORIKAN_TEXT("Menu", "Game Corner")},
    {ITEM(Statistics1), Action1, ZORIKAN_TEXT("Menu", "Statistics Window"), "F6"},

    {ITEM(SelectMusic1), kOnTheBar, ZORIKAN_TEXT("Menu", "&Music")},
    {ITEM(Openfile1), SelectMusic1, ZORIKAN_TEXT("Menu", "Open file...")},
    {ITEM(RepeatMusic1), SelectMusic1, ZORIKAN_TEXT("Menu", "Repeat Music"), {}, true},
    {ITEM(StopMusic1), SelectMusic1, ZORIKAN_TEXT("Menu", "Stop Music")},

    {ITEM(Help1), kOnTheBar, ZORIKAN_TEXT("Menu", "&Help")},
    {ITEM(Contents1), Help1, ZORIKAN_TEXT("Menu", "Contents"), "F1"},
    {ITEM(About1), Help1, ZORIKAN_TEXT("Menu", "About...")},

    {ITEM(Debug1), kOnTheBar, ZORIKAN_TEXT("Menu", "&Debug")},
    {ITEM(MakeVisible1), Debug1, ZORIKAN_TEXT("Menu", "Make Visible"), "F2"},
    {ITEM(AlwaysshowattacksinZORIDEX1),
     Debug1,
     ZORIKAN_TEXT("Menu", "Always show attacks in ZORIDEX"),
     {},
     true},
};

#undef ITEM

constexpr bool InItemOrder() {
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        const MenuEntry& entry = kLayout[i];
        if (IndexOf(entry.item) != i) return false;
        if (entry.parent && IndexOf(*entry.parent) >= i) return false;
    }
    return true;
}

static_assert(std::size(kLayout) == kMenuItemCount, "one layout entry per menu item");
static_assert(InItemOrder(), "the layout lists the items in their order, parents first");

}  // namespace

std::span<const MenuEntry> MainMenuLayout() {
    return kLayout;
}

const MenuEntry& EntryOf(MenuItem item) {
    return kLayout[IndexOf(item)];
}

std::string_view ObjectName(MenuItem item) {
    return EntryOf(item).name;
}

std::optional<MenuItem> MenuItemNamed(std::string_view name) {
    for (const MenuEntry& entry : kLayout)
        if (entry.name == name) return entry.item;
    return std::nullopt;
}

bool HasChildren(MenuItem item) {
    for (const MenuEntry& entry : kLayout)
        if (entry.parent == item) return true;
    return false;
}

std::ostream& operator<<(std::ostream& out, MenuItem item) {
    return out << ObjectName(item);
}

}  // namespace zorikan
