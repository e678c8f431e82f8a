// Feeds arbitrary bytes to the ZORIGAME.dat reader: whatever the file holds,
// every value that indexes another table stays inside it and every
// multiplier of the type chart is a finite number.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data/data_file.h"

using namespace zorikan;

namespace {

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    GameData data;
    ReadGameData(std::string_view(reinterpret_cast<const char*>(bytes), size), data);
    for (int row = 1; row <= kTypeCount; ++row)
        for (int column = 0; column <= kTypeCount; ++column)
            Check(std::isfinite(data.TypeChart[row][column]));
    for (int s = 1; s <= kSpeciesCount; ++s) {
        Check(data.SpeciesType1[s] <= kTypeCount && data.SpeciesType2[s] <= kTypeCount);
        Check(data.EvolvesInto[s] >= 0 && data.EvolvesInto[s] <= kSpeciesCount);
        for (int k = 1; k <= 4; ++k) Check(data.SpeciesAttacks[s][k] <= kAttackCount);
    }
    for (int a = 1; a <= kAttackCount; ++a) Check(data.AttackType[a] <= kTypeCount);
    return 0;
}
