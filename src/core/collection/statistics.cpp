#include "core/collection/statistics.h"

#include "core/text/catalogue.h"

namespace zorikan {

std::string SpeciesNumber(int species) {
    std::string digits = std::to_string(species);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

std::string CreatureStatistics(const Game& game, int slot, int species) {
    const GameState& s = game.state;
    const std::uint32_t level = s.RosterLevel[slot];
    const std::uint32_t exp = s.RosterExp[slot];
    // Computed in 64 bits: a loaded game may hold experience far past the cap.
    // A level that lags behind its experience (after a tournament match or an
    // elite series) has the next level already earned: nothing more to gain.
    long long toNext =
        level < kMaxLevel ? static_cast<long long>(LevelThreshold(level + 1)) - exp : 0;
    if (toNext < 0) toNext = 0;
    return Text(text::kCreatureStatistics,
                {SpeciesNumber(species), game.speciesName(species), std::to_string(level),
                 std::to_string(exp), std::to_string(toNext)});
}

}  // namespace zorikan
