#pragma once
// The prize of a won tournament: one of three per band, drawn at random. A
// full roster never receives the creature prize of the Summit Cup.

#include <cstdint>
#include <string>

#include "core/game/game.h"

namespace zorikan {

// What prize `column` (1..3) of `band` (1..6) gives: `amount` of an item, or
// `amount` yen, or a random creature.
struct PrizeEffect {
    enum Kind { Items, Money, Creature };
    Kind kind;
    ItemButton item;  // for Items
    std::uint32_t amount;
};
PrizeEffect TournamentPrize(int band, int column);

// The box that announces a prize, one sentence per kind of prize, so each
// language writes the count and the item's name in its own grammar.
std::string PrizeAnnouncement(const PrizeEffect& prize);

// Draws the prize of `band`, announces it and hands it over.
void AwardTournamentPrize(Game& game, int band);

}  // namespace zorikan
