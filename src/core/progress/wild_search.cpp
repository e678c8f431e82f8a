#include "core/progress/wild_search.h"

#include <algorithm>

#include "core/battle/battle_start.h"
#include "core/collection/statistics.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

// Species held back until the player has more than `badges` badges.
struct Held {
    int badges;
    std::initializer_list<int> species;
};

const Held kHeldBack[] = {
    {3, {45, 62, 80, 182, 186, 199, 266, 268, 292, 367, 368}},
    {4, {106, 107, 237}},
    {8, {143}},
    {10, {243, 244, 245}},
    {12, {144, 145, 146}},
    {13, {249, 250}},
    {19, {382, 383, 384}},
    {21, {380, 381}},
};

// Never met by searching: they come from trainers, gifts and Omnivar's powers.
constexpr int kNeverSearched[] = {134, 135, 136, 150, 151, 196, 197, 251, 385, 386};

bool IsEvolutionTarget(const GameData& data, int species) {
    return std::find(data.EvolvesInto.begin() + 1, data.EvolvesInto.end(), species) !=
           data.EvolvesInto.end();
}

bool RosterHoldsOmnivar(const Game& game) {
    const int listed = std::min(game.screens.statistics.rosterCount(), kRosterSlots);
    for (int slot = 1; slot <= listed; ++slot)
        if (game.state.RosterSpecies[slot] == kOmnivar) return true;
    return false;
}

void StartDrawnBattle(Game& game, int species, int level) {
    game.battle.BattleKind = 2;
    StartWildBattle(game, species, level);
}

}  // namespace

bool SearchExcludes(const Game& game, int species) {
    const int badges = game.state.BadgeCount;
    if (std::find(std::begin(kNeverSearched), std::end(kNeverSearched), species) !=
        std::end(kNeverSearched))
        return true;
    if (badges <= 3 && IsEvolutionTarget(game.data, species)) return true;
    for (const Held& held : kHeldBack)
        if (badges <= held.badges &&
            std::find(held.species.begin(), held.species.end(), species) != held.species.end())
            return true;
    return false;
}

std::pair<int, int> SearchLevels(const GameState& s) {
    if (s.BadgeCount <= 2) return {2, 10};
    if (s.BadgeCount <= 4) return {2, 20};
    if (s.BadgeCount <= 6) return {20, 29};
    if (s.BadgeCount <= 8) return {30, 39};
    if (s.BadgeCount <= 10) return {30, 49};
    if (s.BadgeCount <= 12) return {40, 59};
    if (s.BadgeCount <= 14) return {40, 69};
    if (!s.KellBeaten) return {61, 80};
    if (!s.OwnedFlags[kOmnivar]) return {61, 90};
    return {71, 100};
}

std::string SpeciesEntry(const GameData& data, int species) {
    return Text(text::kSpeciesEntry, {data.SpeciesNames[species], SpeciesNumber(species)});
}

void FindZRKN1Click(Game& game) {
    if (RosterHoldsOmnivar(game)) {
        WildPanelModel& panel = game.screens.main.wildPanel;
        game.screens.menus.disable(MenuItem::Action1);
        panel.visible = true;
        panel.selectedSpecies = -1;
        panel.level = 100;
        game.port.information(Text(text::kChosenSpeciesNote));
        return;
    }
    int species = 0;
    do {
        species = game.rng.Random(kSpeciesCount) + 1;
    } while (SearchExcludes(game, species));
    const auto [low, high] = SearchLevels(game.state);
    StartDrawnBattle(game, species, low + game.rng.Random(high - low + 1));
}

void Omnivar1Click(Game& game) {
    StartDrawnBattle(game, kOmnivar, 100);
}

void WildPanelGo(Game& game) {
    const WildPanelModel& panel = game.screens.main.wildPanel;
    if (!panel.visible) return;
    const int species = panel.selectedSpecies + 1;
    if (!IsSpecies(species)) {
        game.port.information(Text(text::kNoSpeciesChosen));
        return;
    }
    StartDrawnBattle(game, species, std::clamp(panel.level, 2, 100));
}

void WildPanelCancel(Game& game) {
    if (!game.screens.main.wildPanel.visible) return;
    game.screens.menus.enable(MenuItem::Action1);
    game.screens.main.wildPanel.visible = false;
}

void WildPanelRandom(Game& game) {
    if (!game.screens.main.wildPanel.visible) return;
    game.screens.menus.enable(MenuItem::Action1);
    const int species = game.rng.Random(kSpeciesCount) + 1;
    const int level = game.rng.Random(11) + 90;
    StartDrawnBattle(game, species, level);
}

}  // namespace zorikan
