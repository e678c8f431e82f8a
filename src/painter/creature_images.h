#pragma once
// The picture lists of all creatures: a 64 x 64 picture for large views and
// a 32 x 32 one for lists, both indexed by species - 1. Nothing is painted
// when the list is made; each picture is painted the first time it is asked
// for and kept from then on, so the game starts without waiting for art.
// Use from the GUI thread only (pixmaps live there).

#include <QIcon>
#include <QPixmap>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "painter/creature_art.h"

namespace zorikan::painter {

class CreatureImages {
public:
    // Gives a species' (type1, type2) for species 1..count.
    using TypeLookup = std::function<std::pair<int, int>(int species)>;

    static constexpr int kLargeSize = 64;
    static constexpr int kSmallSize = 32;
    static constexpr int kDefaultCount = 386;

    // Gives a species' evolution line, so the stages of a family look alike.
    using LineLookup = std::function<CreatureLine(int species)>;

    explicit CreatureImages(TypeLookup types, int count = kDefaultCount);
    CreatureImages(TypeLookup types, LineLookup lines, int count = kDefaultCount);

    int count() const { return count_; }

    // The 64 x 64 and 32 x 32 pictures of species index + 1. An index outside
    // 0..count-1 gives a null pixmap.
    const QPixmap& large(int index) const;
    const QPixmap& small(int index) const;

    // Both sizes together, for list and icon views; null out of range.
    QIcon icon(int index) const;

private:
    const QPixmap& picture(std::vector<QPixmap>& cache, int index, int size) const;

    TypeLookup types_;
    LineLookup lines_;
    int count_;
    // Filled on first use: even empty pixmaps need the GUI application, and
    // making the list must not depend on one existing yet.
    mutable std::vector<QPixmap> large_;
    mutable std::vector<QPixmap> small_;
    mutable std::vector<std::optional<std::pair<int, int>>> typeCache_;
    mutable std::vector<std::optional<CreatureLine>> lineCache_;
    mutable std::optional<QPixmap> none_;
};

}  // namespace zorikan::painter
