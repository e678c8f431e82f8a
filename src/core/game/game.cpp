#include "core/game/game.h"

namespace zorikan {

// Game keeps no state of its own beside the model, so a copy of the model is
// a copy of the game in play: a member added here instead would be missed.
static_assert(sizeof(Game) == sizeof(GameModel) + sizeof(const GameData*) + sizeof(PlayerPort*) +
                                  sizeof(RandomSource*));

const std::string& Game::speciesName(int species) const {
    static const std::string none;
    return IsSpecies(species) ? data.SpeciesNames[species] : none;
}

}  // namespace zorikan
