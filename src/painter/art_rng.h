#pragma once
// The random numbers behind every creature's look, drawn from a hash of its
// species number. Part of the creature painter (creature_art.h); not for
// other code.

#include <cstdint>
#include <initializer_list>

namespace zorikan::painter {

// splitmix64: the same species draws the same sequence on every machine
// (the standard distributions differ between libraries).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int pick(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return unit() < p; }
    // Index chosen with the given relative weights.
    int weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights) total += w;
        int r = pick(total);
        int i = 0;
        for (int w : weights) {
            if (r < w) return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }

private:
    std::uint64_t state_;
};

}  // namespace zorikan::painter
