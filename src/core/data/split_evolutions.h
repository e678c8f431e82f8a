#pragma once
// Species that can evolve into one of several forms. ZORIGAME.dat stores only
// the first form (EvolvesInto); the evolution screen offers all of them, in
// this order.

#include <array>
#include <cstddef>
#include <span>

namespace zorikan {

struct SplitEvolution {
    int species;
    int targetCount;
    std::array<int, 5> targets;  // the first targetCount entries are used

    constexpr std::span<const int> forms() const {
        return std::span<const int>(targets.data(), static_cast<std::size_t>(targetCount));
    }
};

inline constexpr std::array<SplitEvolution, 7> kSplitEvolutions{{
    {44, 2, {45, 182}},
    {61, 2, {62, 186}},
    {79, 2, {80, 199}},
    {133, 5, {134, 135, 136, 196, 197}},
    {236, 3, {106, 107, 237}},
    {265, 2, {266, 268}},
    {366, 2, {367, 368}},
}};

// The split entry for `species`, or nullptr when it has a single evolution.
constexpr const SplitEvolution* FindSplitEvolution(int species) {
    for (const auto& split : kSplitEvolutions) {
        if (split.species == species) return &split;
    }
    return nullptr;
}

}  // namespace zorikan
