#pragma once
// What the windows show, as the rules leave it. The desktop windows draw
// these models and never keep a second copy of the truth.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/game_corner_model.h"
#include "core/model/items.h"
#include "core/model/mart_model.h"
#include "core/model/menus.h"
#include "core/model/window.h"
#include "core/model/zoridex_model.h"
#include "core/text/catalogue.h"

namespace zorikan {

inline constexpr const char* kGameTitle = "ZORIKAN Simulator V4.1";

// One entry of the statistics window's roster list: entry i shows slot i + 1.
struct RosterListItem {
    std::string caption;
    int imageIndex = -1;  // species - 1; -1 for the empty entry before a game

    bool operator==(const RosterListItem&) const = default;
};

// The item counts before a game: none of each.
inline std::array<std::string, kItemButtonCount> NoItems() {
    std::array<std::string, kItemButtonCount> counts;
    counts.fill("0");
    return counts;
}

struct StatisticsModel {
    std::string playerName;
    // The counters as Freshen last wrote them.
    std::string money = "0", fights = "0", wins = "0", catches = "0", losses = "0";
    std::string percent = "0";  // keeps its text until a battle has been won or lost
    std::string registered = "0";
    std::array<std::string, kItemButtonCount> itemCounts = NoItems();

    bool itemButtonsVisible = false;
    std::array<bool, kItemButtonCount> itemButtonEnabled{};

    // Starts with one empty entry, which the starter takes over.
    std::vector<RosterListItem> rosterList{RosterListItem{}};
    // Grows with every change of the list, so views redraw only when needed.
    std::uint64_t rosterRevision = 0;
    bool rosterListEnabled = true;
    bool rosterListGreyed = false;  // painted in the button-face colour

    int rosterCount() const { return static_cast<int>(rosterList.size()); }
};

// The battle arena inside the main window ("Battle Arena").
enum class GaugeColour { Green, Yellow, Red };

struct HpGauge {
    int maximum = 1;
    int position = 0;
    GaugeColour colour = GaugeColour::Green;
};

struct ArenaModel {
    bool visible = false;  // GroupBox1
    // The fighter's side.
    int fighterImage = -1;     // ListView2; -1 shows no picture
    std::string fighterLabel;  // Label2: name + " L." + level
    bool fighterLabelVisible = false;
    HpGauge fighterGauge;  // Gauge1
    bool fighterGaugeVisible = false;
    std::string fighterHpText = "1000/1000";  // Label8
    bool fighterHpVisible = false;
    std::string attackCaption =
        Text(text::kNoFighterAttacks);  // RadioGroup1: four attacks, then "Run!"
    std::array<std::string, 5> attackItems{
        Text(text::kAttackPlace, {"1"}), Text(text::kAttackPlace, {"2"}),
        Text(text::kAttackPlace, {"3"}), Text(text::kAttackPlace, {"4"}), Text(text::kRun)};
    int selectedAttack = -1;
    bool attacksVisible = false;
    bool goVisible = false;  // Button1 "Go!"
    // The opponent's side.
    int opponentImage = -1;                    // ListView3
    std::string opponentLabel;                 // Label3: "Enemy " + name + " L." + level
    HpGauge opponentGauge;                     // Gauge2
    std::string opponentHpText = "1000/1000";  // Label9
    std::string opponentAttacksCaption = Text(text::kOpponentAttacks, {""});  // GroupBox2
    std::array<std::string, 4> opponentAttacks{
        Text(text::kOpponentAttackPlace, {"1"}), Text(text::kOpponentAttackPlace, {"2"}),
        Text(text::kOpponentAttackPlace, {"3"}), Text(text::kOpponentAttackPlace, {"4"})};
    bool endVisible = false;  // EndButton "End Fight"
};

// The chosen-species panel of the wild search, over the idle main window.
struct WildPanelModel {
    bool visible = false;
    int selectedSpecies = -1;  // entry index in ComboBox1; -1 for none
    int level = 100;           // SpinEdit1, 2..100
};

// The split evolution's choice over the idle main window: the radio group
// "Evolve to:" (EvolveChoice) and its "Evolve" button (EvolveButton).
struct EvolveChoiceModel {
    bool visible = false;              // while a split evolution waits for "Evolve"
    std::vector<std::string> entries;  // "Don't evolve", then the alternative forms
    int selected = -1;
};

struct MainWindowModel {
    std::string caption = kGameTitle;
    std::string saveFileName;  // the file the game in progress is saved to
    ArenaModel arena;
    WildPanelModel wildPanel;
    EvolveChoiceModel evolveChoice;
};

// The roster list's double-click evolves or releases a creature while one of
// these modes is on.
struct CollectionModes {
    bool EvolutionMode = false;
    bool ReleaseMode = false;
    int EvolveSlot = 0;  // the slot whose split evolution waits for "Evolve"
};

struct Screens {
    std::array<bool, kWindowCount> visible{};
    MenuModel menus;
    MainWindowModel main;
    StatisticsModel statistics;
    CollectionModes modes;
    ZoridexModel zoridex;
    TypeComparisonModel typeComparisons;
    MartModel mart;
    GameCornerModel gameCorner;
    char decimalSeparator = '.';  // the player's locale, for percentages and multipliers
};

}  // namespace zorikan
