#include "painter/creature_images.h"

namespace zorikan::painter {

CreatureImages::CreatureImages(TypeLookup types, int count)
    : CreatureImages(std::move(types), LineLookup{}, count) {}

CreatureImages::CreatureImages(TypeLookup types, LineLookup lines, int count)
    : types_(std::move(types)), lines_(std::move(lines)), count_(count < 0 ? 0 : count) {}

const QPixmap& CreatureImages::large(int index) const {
    return picture(large_, index, kLargeSize);
}

const QPixmap& CreatureImages::small(int index) const {
    return picture(small_, index, kSmallSize);
}

QIcon CreatureImages::icon(int index) const {
    if (index < 0 || index >= count_) return {};
    QIcon result;
    result.addPixmap(large(index));
    result.addPixmap(small(index));
    return result;
}

const QPixmap& CreatureImages::picture(std::vector<QPixmap>& cache, int index, int size) const {
    if (index < 0 || index >= count_) {
        if (!none_) none_.emplace();
        return *none_;
    }
    if (cache.empty()) cache.resize(static_cast<std::size_t>(count_));
    if (typeCache_.empty()) typeCache_.resize(static_cast<std::size_t>(count_));
    if (lineCache_.empty()) lineCache_.resize(static_cast<std::size_t>(count_));
    const auto slot = static_cast<std::size_t>(index);
    QPixmap& pixmap = cache[slot];
    if (pixmap.isNull()) {
        // The types and the line are asked for once per species, whichever
        // size comes first.
        if (!typeCache_[slot] && types_) typeCache_[slot] = types_(index + 1);
        if (!lineCache_[slot] && lines_) lineCache_[slot] = lines_(index + 1);
        const auto [type1, type2] = typeCache_[slot].value_or(std::pair<int, int>{0, 0});
        pixmap = QPixmap::fromImage(paintCreature(index + 1, type1, type2, size,
                                                  lineCache_[slot].value_or(CreatureLine{})));
    }
    return pixmap;
}

}  // namespace zorikan::painter
