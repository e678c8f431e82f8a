#include "core/collection/zoridex.h"

#include "core/collection/statistics.h"
#include "core/data/decimal_text.h"
#include "core/text/catalogue.h"
#include "core/text/type_words.h"

namespace zorikan {

namespace {

bool IsAttack(int attack) {
    return attack >= 1 && attack <= kAttackCount;
}

// The type's word in the player's language; none for a type the data lacks.
std::string TypeName(const GameData& data, int type) {
    return type >= 1 && type <= kTypeCount ? TypeWord(data.TypeNames[type]) : std::string();
}

}  // namespace

std::string ZoridexEntry(const GameData& data, int species) {
    return Text(text::kSpeciesEntry, {data.SpeciesNames[species], SpeciesNumber(species)});
}

std::string SpeciesTypeEntry(const GameData& data, int species) {
    const std::string first = TypeName(data, data.SpeciesType1[species]);
    if (data.SpeciesType2[species] == 0)
        return Text(text::kSpeciesOneType, {data.SpeciesNames[species], first});
    return Text(text::kSpeciesTwoTypes,
                {data.SpeciesNames[species], first, TypeName(data, data.SpeciesType2[species])});
}

std::string AttackTypeEntry(const GameData& data, int attack) {
    return Text(text::kAttackTypeEntry,
                {data.AttackNames[attack], TypeName(data, data.AttackType[attack])});
}

std::string EvolutionLine(const GameData& data, int species) {
    return data.EvolutionLevel[species] != 0
               ? Text(text::kEvolvesAtLevel, {std::to_string(data.EvolutionLevel[species])})
               : Text(text::kDoesNotEvolve);
}

void ShowZoridex(Game& game) {
    game.setVisible(Window::Zoridex, true);
}

void SelectZoridexEntry(Game& game, int index) {
    game.screens.zoridex.selected = index >= 0 && index < kSpeciesCount ? index : -1;
    UpdateDisplay(game);
}

void UpdateDisplay(Game& game) {
    ZoridexModel& view = game.screens.zoridex;
    if (view.selected < 0 || view.selected >= kSpeciesCount) return;
    const GameData& data = game.data;
    const int n = view.selected + 1;
    view.type2Visible = data.SpeciesType2[n] != 0;
    view.type1 = TypeName(data, data.SpeciesType1[n]);
    if (view.type2Visible)
        view.type2 = Text(text::kSecondType, {TypeName(data, data.SpeciesType2[n])});
    view.picture = n - 1;
    view.name = ZoridexEntry(data, n);
    const bool shown = game.state.OwnedFlags[n] || game.screens.menus.isChecked(kAlwaysShowAttacks);
    for (int k = 0; k < 4; ++k) {
        const int attack = data.SpeciesAttacks[n][k + 1];
        view.attackNames[k] =
            shown && IsAttack(attack) ? data.AttackNames[attack] : Text(text::kUnknownAttack);
        view.attackTypes[k] = shown && IsAttack(attack) ? TypeName(data, data.AttackType[attack])
                                                        : Text(text::kUnknownAttack);
        if (shown && !IsAttack(attack)) view.attackNames[k] = view.attackTypes[k] = "";
    }
    view.evolution = EvolutionLine(data, n);
    view.panelVisible = true;
}

void TypeComparisonsChange(Game& game, int attackIndex, int speciesIndex) {
    TypeComparisonModel& view = game.screens.typeComparisons;
    view.selectedAttack = attackIndex >= 0 && attackIndex < kAttackCount ? attackIndex : -1;
    view.selectedSpecies = speciesIndex >= 0 && speciesIndex < kSpeciesCount ? speciesIndex : -1;
    if (view.selectedAttack >= 0 && view.selectedSpecies >= 0) CalculateMultipliers(game);
}

void CalculateMultipliers(Game& game) {
    TypeComparisonModel& view = game.screens.typeComparisons;
    if (view.selectedAttack < 0 || view.selectedSpecies < 0) return;
    const GameData& data = game.data;
    view.type2RowVisible = false;
    const int a = view.selectedAttack + 1;
    const int n = view.selectedSpecies + 1;
    const int t = data.AttackType[a];
    if (t < 1 || t > kTypeCount) return;  // the chart has no row for it
    const auto column = [](int type) { return type >= 0 && type <= kTypeCount ? type : 0; };
    const float m1 = data.TypeChart[t][column(data.SpeciesType1[n])];
    float m2 = 1.0f;
    if (data.SpeciesType2[n] != 0) {
        m2 = data.TypeChart[t][column(data.SpeciesType2[n])];
        view.type2RowVisible = true;
    }
    const float total = m1 * m2;
    const char separator = game.screens.decimalSeparator;
    view.type1Multiplier = GeneralFormat(m1, separator);
    view.type2Multiplier = GeneralFormat(m2, separator);
    view.total = GeneralFormat(total, separator);
    view.type1RowVisible = true;
    view.totalVisible = true;
}

std::string GeneralFormat(double value, char decimalSeparator) {
    // Written in the "C" locale whatever the desktop toolkit set from the
    // system; the player's separator is put in below.
    std::string text = GeneralDecimal(value, 15);
    for (char& c : text)
        if (c == '.') c = decimalSeparator;
    return text;
}

}  // namespace zorikan
