#pragma once
// The player's progress: everything a saved game holds. Slots and species are
// 1-based like the saved-game file; index 0 of each table is unused.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/species.h"

namespace zorikan {

inline constexpr int kRosterSlots = 10000;
inline constexpr std::uint32_t kMaxExperience = 1'000'000;  // 100^3
inline constexpr int kMaxLevel = 100;

struct GameState {
    GameState();

    std::string PlayerName;
    bool GrandFourChampionBeaten = false;
    bool KellBeaten = false;
    bool MeBeaten = false;
    bool Gift385Given = false;
    bool Gift386Given = false;
    std::uint8_t BadgeCount = 0;
    std::uint32_t Money = 0;
    std::uint32_t Wins = 0;
    std::uint32_t Losses = 0;
    std::uint32_t Fights = 0;
    std::uint32_t Catches = 0;
    std::uint32_t ZoriBalls = 0;
    std::uint32_t GreatBalls = 0;
    std::uint32_t UltraBalls = 0;
    std::uint32_t MasterBalls = 0;
    std::uint32_t Potions = 0;
    std::uint32_t SuperPotions = 0;
    std::array<bool, kSpeciesCount + 1> OwnedFlags{};
    // A slot with species 0 is empty; filled slots run from 1 without gaps.
    std::vector<std::int32_t> RosterSpecies;
    std::vector<std::uint8_t> RosterLevel;
    std::vector<std::uint32_t> RosterExp;

    // The level band of the fighters allowed in trainer battles; not saved.
    std::uint8_t MinLevel = 0;
    std::uint8_t MaxLevel = 0;

    bool operator==(const GameState&) const = default;
};

// The experience a creature of level L has on reaching it: L^3.
constexpr std::uint32_t LevelThreshold(std::uint32_t level) {
    return level * level * level;
}

// Raises a lagging level while the next level's threshold is reached, then
// cuts experience above 1,000,000 back to it at level 100. Never lowers.
void CatchUpLevel(std::uint8_t& level, std::uint32_t& experience);

// The number of species registered in the ZORIDEX.
int RegisteredCount(const GameState& state);

}  // namespace zorikan
