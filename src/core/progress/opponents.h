#pragma once
// The trainers of the "Fight a Trainer" menu: who they are, the one creature
// each sends out, and the kind of battle a fight against them is recorded as.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/game/game.h"

namespace zorikan {

// Battle kinds written when an opponent steps up (see BattleState).
inline constexpr std::uint8_t kOrdinaryBattle = 2;
inline constexpr std::uint8_t kBadgeBattle = 3;
inline constexpr std::uint8_t kHighlandFirst = 4;
inline constexpr std::uint8_t kHighlandChampion = 8;
inline constexpr std::uint8_t kKellFirst = 9;
inline constexpr std::uint8_t kMeFirst = 10;
inline constexpr std::uint8_t kLowlandFirst = 71;
inline constexpr std::uint8_t kLowlandChampion = 75;
inline constexpr std::uint8_t kCoastalFirst = 81;
inline constexpr std::uint8_t kCoastalChampion = 85;

// How an opponent's battle kind is decided.
enum class KindRule : std::uint8_t {
    Ordinary,  // always an ordinary battle
    Leader,    // the badge battle while `number` is the next badge
    Kell,      // a first win against Kell until it happened
    Me,        // a first win against the trainer behind "Me" until it happened
    Series,    // the first member of an elite series: kind `number`
};

struct Opponent {
    MenuItem item;
    std::string_view trainer;  // the name the battle log shows
    int species;
    int level;
    KindRule rule = KindRule::Ordinary;
    std::uint8_t number = 0;  // the leader's overall number 1..24, or the series kind
};

// The 45 opponents of the menu, in menu order.
std::span<const Opponent> Opponents();
// The opponent behind a menu item; nullptr for any other item.
const Opponent* FindOpponent(MenuItem item);

// The battle kind of a fight against `opponent` at the player's progress.
std::uint8_t KindAgainst(const GameState& state, const Opponent& opponent);

// The menu item's click: the trainer sends out its creature, and once the
// player was asked for a fighter, the battle's kind is written.
void FightOpponent(Game& game, const Opponent& opponent);

}  // namespace zorikan
