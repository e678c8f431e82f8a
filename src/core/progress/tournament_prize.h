#pragma once
// The prize of a won tournament: one of three per band, drawn at random. A
// full roster never receives the creature prize of the Summit Cup.

#include <cstdint>

#include "core/game/game.h"

namespace zorikan {

// What prize `column` (1..3) of `band` (1..6) gives: `amount` of the item or
// money `count`, or, where `count` is null, a random creature.
struct PrizeEffect {
    std::uint32_t GameState::*count;
    std::uint32_t amount;
};
PrizeEffect TournamentPrize(int band, int column);

// Draws the prize of `band`, announces it and hands it over.
void AwardTournamentPrize(Game& game, int band);

}  // namespace zorikan
