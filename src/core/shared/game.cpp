#include "core/shared/game.h"

namespace zorikan {

const std::string& Game::speciesName(int species) const {
    static const std::string none;
    return IsSpecies(species) ? data.SpeciesNames[species] : none;
}

}  // namespace zorikan
