#include "core/progress/opponents.h"

#include <string>

#include "core/battle/battle_start.h"

namespace zorikan {

namespace {

using enum KindRule;

constexpr Opponent kOpponents[] = {
    // Trainers: Beginner, Novice, Intermediate, Advanced, Expert.
    {MenuItem::Tavrin1, "Tavrin", 4, 5},
    {MenuItem::Ambrel1, "Ambrel", 7, 5},
    {MenuItem::Dovik1, "Dovik", 1, 5},
    {MenuItem::Pelissa1, "Pelissa", 25, 5},
    {MenuItem::Morrow1, "Morrow", 152, 10},
    {MenuItem::Quenby1, "Quenby", 155, 10},
    {MenuItem::Ilvane1, "Ilvane", 158, 10},
    {MenuItem::Sorcha1, "Sorcha", 256, 25},
    {MenuItem::Kesmer1, "Kesmer", 259, 25},
    {MenuItem::Lorin1, "Lorin", 253, 25},
    {MenuItem::ProfHalvard1, "Prof. Halvard", 99, 50},
    {MenuItem::ProfWendeck1, "Prof. Wendeck", 172, 50},
    {MenuItem::ProfDunmore1, "Prof. Dunmore", 350, 50},
    {MenuItem::Vesna1, "Vesna", 24, 75},
    {MenuItem::Rusk1, "Rusk", 110, 75},
    {MenuItem::Severin1, "Severin", 150, 100},
    // Aldmark Gym Leaders, badges 1..8.
    {MenuItem::Dorn1, "Dorn", 74, 12, Leader, 1},
    {MenuItem::Nerissa1, "Nerissa", 120, 18, Leader, 2},
    {MenuItem::LtHarker1, "Lt. Harker", 26, 22, Leader, 3},
    {MenuItem::Odile1, "Odile", 45, 25, Leader, 4},
    {MenuItem::Imara1, "Imara", 49, 28, Leader, 5},
    {MenuItem::Tilde1, "Tilde", 89, 32, Leader, 6},
    {MenuItem::Fenwick1, "Fenwick", 126, 35, Leader, 7},
    {MenuItem::Roderic1, "Roderic", 34, 40, Leader, 8},
    {MenuItem::GrandFour1, "Ansel", 178, 40, Series, kHighlandFirst},
    // Brennar Gym Leaders, badges 9..16.
    {MenuItem::Aubric1, "Aubric", 17, 50, Leader, 9},
    {MenuItem::Nils1, "Nils", 123, 53, Leader, 10},
    {MenuItem::Posy1, "Posy", 241, 57, Leader, 11},
    {MenuItem::Elwin1, "Elwin", 94, 61, Leader, 12},
    {MenuItem::Grigor1, "Grigor", 62, 64, Leader, 13},
    {MenuItem::Lunet1, "Lunet", 208, 70, Leader, 14},
    {MenuItem::Haskel1, "Haskel", 87, 75, Leader, 15},
    {MenuItem::Vesper1, "Vesper", 230, 82, Leader, 16},
    {MenuItem::Kell1, "Kell", 25, 95, Kell},
    {MenuItem::Me1, "Quorin", 151, 100, Me},
    // Cyrelle Gym Leaders, badges 17..24.
    {MenuItem::Brigid1, "Brigid", 299, 100, Leader, 17},
    {MenuItem::Dunstan1, "Dunstan", 296, 100, Leader, 18},
    {MenuItem::Caddock1, "Caddock", 82, 100, Leader, 19},
    {MenuItem::Ravenna1, "Ravenna", 324, 100, Leader, 20},
    {MenuItem::Osric1, "Osric", 289, 100, Leader, 21},
    {MenuItem::Merle1, "Merle", 334, 100, Leader, 22},
    {MenuItem::OrinIsla1, "Orin & Isla", 337, 100, Leader, 23},
    {MenuItem::Marius1, "Marius", 350, 100, Leader, 24},
    // Other Elites.
    {MenuItem::LowlandGrandFour1, "Halla", 131, 100, Series, kLowlandFirst},
    {MenuItem::CoastalGrandFour1, "Jarek", 262, 100, Series, kCoastalFirst},
};

}  // namespace

std::span<const Opponent> Opponents() {
    return kOpponents;
}

const Opponent* FindOpponent(MenuItem item) {
    for (const Opponent& opponent : kOpponents)
        if (opponent.item == item) return &opponent;
    return nullptr;
}

std::uint8_t KindAgainst(const GameState& state, const Opponent& opponent) {
    switch (opponent.rule) {
        case Leader:
            return state.BadgeCount + 1 == opponent.number ? kBadgeBattle : kOrdinaryBattle;
        case Kell:
            return state.KellBeaten ? kOrdinaryBattle : kKellFirst;
        case Me:
            return state.MeBeaten ? kOrdinaryBattle : kMeFirst;
        case Series:
            return opponent.number;
        case Ordinary:
            break;
    }
    return kOrdinaryBattle;
}

void FightOpponent(Game& game, const Opponent& opponent) {
    StartTrainerBattle(game, opponent.species, opponent.level, std::string(opponent.trainer));
    // Written only now: the battle start waited for the player to read its note.
    game.battle.BattleKind = KindAgainst(game.state, opponent);
}

}  // namespace zorikan
