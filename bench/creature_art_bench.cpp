// How long painting every creature picture takes: all 386 species at the
// large (64 px) and the small (32 px) size, as a picture list would if every
// picture were wanted at once.

#include <benchmark/benchmark.h>

#include <QImage>

#include "painter/creature_art.h"

namespace {

void BM_PaintAllCreatures(benchmark::State& state) {
    for (auto _ : state) {
        for (int species = 1; species <= 386; ++species) {
            // Stand-in types covering every primary type; the game reads the
            // real ones from its data file.
            const int type1 = (species * 7) % 17 + 1;
            const int type2 = species % 3 ? 0 : (species * 11) % 17 + 1;
            for (int size : {64, 32}) {
                const QImage image = zorikan::painter::paintCreature(species, type1, type2, size);
                benchmark::DoNotOptimize(image.constBits());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 386 * 2);
}

BENCHMARK(BM_PaintAllCreatures)->Unit(benchmark::kMillisecond);

}  // namespace
