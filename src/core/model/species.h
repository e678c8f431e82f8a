#pragma once
// Species are numbered 1..kSpeciesCount, like the tables of the data file.

namespace zorikan {

inline constexpr int kSpeciesCount = 386;

// The legendary creature of the wild search: it has its own menu item, no ball
// catches it while the player owns one, and owning it changes the rewards.
inline constexpr int kOmnivar = 150;

// A species number the tables can be indexed with.
constexpr bool IsSpecies(long long species) {
    return species >= 1 && species <= kSpeciesCount;
}

}  // namespace zorikan
