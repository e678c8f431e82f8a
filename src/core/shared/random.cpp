#include "core/shared/random.h"

#include <cassert>
#include <chrono>

namespace zorikan {

namespace {

std::uint32_t rotl(std::uint32_t x, int k) {
    return (x << k) | (x >> (32 - k));
}

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void SeededRandom::reseed(std::uint32_t seed) {
    std::uint64_t state = seed;
    std::uint64_t a = splitmix64(state);
    std::uint64_t b = splitmix64(state);
    s_[0] = static_cast<std::uint32_t>(a);
    s_[1] = static_cast<std::uint32_t>(a >> 32);
    s_[2] = static_cast<std::uint32_t>(b);
    s_[3] = static_cast<std::uint32_t>(b >> 32);
}

std::uint32_t SeededRandom::next32() {
    const std::uint32_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 11);
    return result;
}

int SeededRandom::Random(int n) {
    assert(n >= 1);
    const auto range = static_cast<std::uint32_t>(n);
    // Draws past the last whole multiple of the range are drawn again, so
    // every value in the range is equally likely.
    const std::uint32_t limit = UINT32_MAX - (UINT32_MAX % range + 1) % range;
    std::uint32_t r;
    do r = next32();
    while (r > limit);
    return static_cast<int>(r % range);
}

std::uint32_t ClockSeed() {
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

}  // namespace zorikan
