#pragma once
// The variables of the battle under way. None of them is saved: every battle
// starts both sides at full hit points (level x 10).

#include <cstdint>

namespace zorikan {

struct BattleState {
    bool InWildBattle = false;
    bool InTrainerBattle = false;
    bool InTournament = false;
    // The kind of the battle under way; once it is over, its outcome
    // (0 lost or fled, 1 caught, 2 and above the kind of opponent beaten).
    std::uint8_t BattleKind = 0;
    std::int32_t OppSpecies = 0;
    std::uint8_t OppLevel = 0;
    std::int32_t OppHP = 0;
    std::int32_t ActiveSlot = 0;
    std::int32_t OwnHP = 0;
};

}  // namespace zorikan
