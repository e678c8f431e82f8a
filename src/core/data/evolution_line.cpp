#include "core/data/evolution_line.h"

#include <algorithm>
#include <vector>

#include "core/data/split_evolutions.h"

namespace zorikan {

namespace {

// The species whose evolution brings a second creature, and that creature.
constexpr int kSplittingSpecies = 290;
constexpr int kSecondCreature = 292;

// No line in the game is longer; the walks stop here even on looping data.
constexpr int kMaxStages = 8;

bool IsSpecies(int n) {
    return n >= 1 && n <= kSpeciesCount;
}

std::vector<int> FormsOf(const GameData& data, int species) {
    std::vector<int> forms;
    if (const auto* split = FindSplitEvolution(species)) {
        forms.assign(split->forms().begin(), split->forms().end());
    } else if (IsSpecies(data.EvolvesInto[species])) {
        forms.push_back(data.EvolvesInto[species]);
    }
    if (species == kSplittingSpecies) forms.push_back(kSecondCreature);
    return forms;
}

int ParentOf(const GameData& data, int species) {
    for (int parent = 1; parent <= kSpeciesCount; ++parent) {
        const auto forms = FormsOf(data, parent);
        if (std::find(forms.begin(), forms.end(), species) != forms.end()) return parent;
    }
    return 0;
}

// Stages below `species` on its longest branch.
int StagesBelow(const GameData& data, int species, int depth) {
    if (depth >= kMaxStages) return 0;
    int most = 0;
    for (int form : FormsOf(data, species))
        most = std::max(most, 1 + StagesBelow(data, form, depth + 1));
    return most;
}

}  // namespace

EvolutionLine LineOf(const GameData& data, int species) {
    if (!IsSpecies(species)) return {species, 0, 1};
    EvolutionLine line{species, 0, 1};
    while (line.stage < kMaxStages) {
        const int parent = ParentOf(data, line.root);
        if (parent == 0 || parent == species) break;
        line.root = parent;
        ++line.stage;
    }
    line.stages = 1 + StagesBelow(data, line.root, 0);
    line.stages = std::max(line.stages, line.stage + 1);
    return line;
}

}  // namespace zorikan
