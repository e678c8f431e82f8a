#pragma once
// The eight matches of the tournament last entered, drawn at the entry and
// kept in memory only: a loaded game starts with no tournament.

#include <array>
#include <cstdint>

namespace zorikan {

inline constexpr int kTournamentMatches = 8;

// Indexed by match 1..8; index 0 is unused.
struct TournamentDraw {
    std::array<std::uint8_t, kTournamentMatches + 1> TournamentTrainerIdx{};  // 1..64
    std::array<std::int32_t, kTournamentMatches + 1> TournamentSpecies{};
    std::array<std::uint8_t, kTournamentMatches + 1> TournamentLevels{};

    bool operator==(const TournamentDraw&) const = default;
};

}  // namespace zorikan
