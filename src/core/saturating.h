#pragma once
// Money, item counts and battle counters are unsigned 32-bit numbers. A rich
// player near the limit keeps the limit instead of wrapping round to nothing.

#include <cstdint>
#include <limits>

namespace zorikan {

inline constexpr std::uint32_t kCountLimit = std::numeric_limits<std::uint32_t>::max();

// Adds `amount` to `count`, stopping at the 32-bit maximum.
constexpr void AddCapped(std::uint32_t& count, std::uint64_t amount) {
    const std::uint64_t sum = std::uint64_t{count} + amount;
    count = sum > kCountLimit ? kCountLimit : static_cast<std::uint32_t>(sum);
}

}  // namespace zorikan
