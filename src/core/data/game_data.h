#pragma once
// Fixed game data read once from ZORIGAME.dat: species, attacks, types,
// badges and the tournament tables. Every table is 1-based like the file;
// index 0 of each is unused (column 0 of the type chart is 1.0, the
// multiplier against a missing second type).

#include <array>
#include <cstdint>
#include <string>

#include "core/model/species.h"

namespace zorikan {

inline constexpr int kAttackCount = 119;
inline constexpr int kTypeCount = 17;
inline constexpr int kBadgeCount = 24;
inline constexpr int kTournamentBands = 6;
inline constexpr int kPrizesPerBand = 3;
inline constexpr int kTournamentTrainerCount = 64;

struct GameData {
    // [attack type 1..17][defender type 0..17]
    std::array<std::array<float, kTypeCount + 1>, kTypeCount + 1> TypeChart{};
    std::array<std::string, kSpeciesCount + 1> SpeciesNames;
    std::array<std::string, kBadgeCount + 1> BadgeNames;
    std::array<std::uint8_t, kSpeciesCount + 1> SpeciesType1{};
    std::array<std::uint8_t, kSpeciesCount + 1> SpeciesType2{};    // 0 = none
    std::array<std::uint8_t, kSpeciesCount + 1> EvolutionLevel{};  // 0 = never
    std::array<std::int32_t, kSpeciesCount + 1> EvolvesInto{};
    std::array<std::string, kAttackCount + 1> AttackNames;
    std::array<std::uint8_t, kAttackCount + 1> AttackPower{};
    std::array<std::uint8_t, kAttackCount + 1> AttackType{};
    std::array<std::string, kTypeCount + 1> TypeNames;
    std::array<std::array<std::uint8_t, 5>, kSpeciesCount + 1> SpeciesAttacks{};  // [species][1..4]
    std::array<std::array<std::string, kPrizesPerBand + 1>, kTournamentBands + 1> TournamentPrizes;
    std::array<std::string, kTournamentTrainerCount + 1> TournamentTrainers;
};

}  // namespace zorikan
