#include "core/game/game.h"

namespace zorikan {

// Game keeps no state of its own beside the model, so a copy of the model is
// a copy of the game in play: a member added here instead would be missed.
// Measured against the same members laid out alike, so the padding each
// system puts after them counts the same on both sides.
namespace {
struct ModelWithItsPorts : GameModel {
    const GameData& data;
    PlayerPort& port;
    RandomSource& rng;
};
}  // namespace
static_assert(sizeof(Game) == sizeof(ModelWithItsPorts));

const std::string& Game::speciesName(int species) const {
    static const std::string none;
    return IsSpecies(species) ? data.SpeciesNames[species] : none;
}

}  // namespace zorikan
