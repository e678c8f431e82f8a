#include "core/model/game_state.h"

#include <algorithm>

namespace zorikan {

GameState::GameState()
    : RosterSpecies(kRosterSlots + 1, 0),
      RosterLevel(kRosterSlots + 1, 0),
      RosterExp(kRosterSlots + 1, 0) {}

void CatchUpLevel(std::uint8_t& level, std::uint32_t& experience) {
    // Computed in 32 bits from the byte level: 256^3 still fits.
    // A loaded level may be anything up to 255; the loop must not wrap it.
    while (level < 255 && LevelThreshold(level + 1u) <= experience) ++level;
    if (experience > kMaxExperience) {
        experience = kMaxExperience;
        level = kMaxLevel;
    }
}

int RegisteredCount(const GameState& state) {
    return static_cast<int>(std::count(state.OwnedFlags.begin() + 1, state.OwnedFlags.end(), true));
}

}  // namespace zorikan
