#pragma once
// The game's one source of chance. Random(n) is uniform over 0..n-1. The
// mapping from raw bits to a range is our own (the standard distributions
// differ between libraries), so one seed plays the same game everywhere.

#include <cstdint>

namespace zorikan {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform integer 0 <= r < n; n must be at least 1.
    virtual int Random(int n) = 0;
};

// xoshiro128** seeded through splitmix64; ranges by unbiased rejection.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed = 0) { reseed(seed); }
    void reseed(std::uint32_t seed);
    int Random(int n) override;
    std::uint32_t next32();

private:
    std::uint32_t s_[4]{};
};

// The low 32 bits of a high-resolution clock, for the one seeding at start.
std::uint32_t ClockSeed();

}  // namespace zorikan
