#pragma once
// Money and item counts are 32-bit: a credit that would carry them past their
// maximum stops there instead of wrapping round to a small number.

#include <cstdint>
#include <limits>

namespace zorikan {

// Adds `amount` to `value`, stopping at the 32-bit maximum, and returns what
// was actually credited.
constexpr std::uint32_t AddCapped(std::uint32_t& value, std::uint64_t amount) {
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t room = kMax - value;
    const std::uint32_t credited = amount < room ? static_cast<std::uint32_t>(amount) : room;
    value += credited;
    return credited;
}

}  // namespace zorikan
