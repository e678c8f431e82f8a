#include "core/progress/opponents.h"

#include <string>

#include "core/battle/battle_start.h"

namespace zorikan {

namespace {

using enum KindRule;

constexpr Opponent kOpponents[] = {
    // Trainers: Beginner, Novice, Intermediate, Advanced, Expert.
    {"Tavrin1", "Tavrin", 4, 5},
    {"Ambrel1", "Ambrel", 7, 5},
    {"Dovik1", "Dovik", 1, 5},
    {"Pelissa1", "Pelissa", 25, 5},
    {"Morrow1", "Morrow", 152, 10},
    {"Quenby1", "Quenby", 155, 10},
    {"Ilvane1", "Ilvane", 158, 10},
    {"Sorcha1", "Sorcha", 256, 25},
    {"Kesmer1", "Kesmer", 259, 25},
    {"Lorin1", "Lorin", 253, 25},
    {"ProfHalvard1", "Prof. Halvard", 99, 50},
    {"ProfWendeck1", "Prof. Wendeck", 172, 50},
    {"ProfDunmore1", "Prof. Dunmore", 350, 50},
    {"Vesna1", "Vesna", 24, 75},
    {"Rusk1", "Rusk", 110, 75},
    {"Severin1", "Severin", 150, 100},
    // Aldmark Gym Leaders, badges 1..8.
    {"Dorn1", "Dorn", 74, 12, Leader, 1},
    {"Nerissa1", "Nerissa", 120, 18, Leader, 2},
    {"LtHarker1", "Lt. Harker", 26, 22, Leader, 3},
    {"Odile1", "Odile", 45, 25, Leader, 4},
    {"Imara1", "Imara", 49, 28, Leader, 5},
    {"Tilde1", "Tilde", 89, 32, Leader, 6},
    {"Fenwick1", "Fenwick", 126, 35, Leader, 7},
    {"Roderic1", "Roderic", 34, 40, Leader, 8},
    {"GrandFour1", "Ansel", 178, 40, Series, kHighlandFirst},
    // Brennar Gym Leaders, badges 9..16.
    {"Aubric1", "Aubric", 17, 50, Leader, 9},
    {"Nils1", "Nils", 123, 53, Leader, 10},
    {"Posy1", "Posy", 241, 57, Leader, 11},
    {"Elwin1", "Elwin", 94, 61, Leader, 12},
    {"Grigor1", "Grigor", 62, 64, Leader, 13},
    {"Lunet1", "Lunet", 208, 70, Leader, 14},
    {"Haskel1", "Haskel", 87, 75, Leader, 15},
    {"Vesper1", "Vesper", 230, 82, Leader, 16},
    {"Kell1", "Kell", 25, 95, Kell},
    {"Me1", "Quorin", 151, 100, Me},
    // Cyrelle Gym Leaders, badges 17..24.
    {"Brigid1", "Brigid", 299, 100, Leader, 17},
    {"Dunstan1", "Dunstan", 296, 100, Leader, 18},
    {"Caddock1", "Caddock", 82, 100, Leader, 19},
    {"Ravenna1", "Ravenna", 324, 100, Leader, 20},
    {"Osric1", "Osric", 289, 100, Leader, 21},
    {"Merle1", "Merle", 334, 100, Leader, 22},
    {"OrinIsla1", "Orin & Isla", 337, 100, Leader, 23},
    {"Marius1", "Marius", 350, 100, Leader, 24},
    // Other Elites.
    {"LowlandGrandFour1", "Halla", 131, 100, Series, kLowlandFirst},
    {"CoastalGrandFour1", "Jarek", 262, 100, Series, kCoastalFirst},
};

}  // namespace

std::span<const Opponent> Opponents() {
    return kOpponents;
}

const Opponent* FindOpponent(std::string_view item) {
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
