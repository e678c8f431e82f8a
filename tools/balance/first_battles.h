#pragma once
// How fair the start is: a level-5 starter that always uses its strongest
// attack against the creature it meets fights seeded wild battles from the
// search before the first badge, through the game's own search, fighter
// choice and "Go!". The balance tool reports the share won and a test keeps
// it within the band a fair start allows.

#include <cstdint>

#include "core/data/game_data.h"

namespace zorikan::balance {

struct FirstBattlesTally {
    int won = 0;
    int fought = 0;                           // battles that came to an end
    int lowestLevel = 100, highestLevel = 0;  // opponent levels met
};

FirstBattlesTally PlayFirstBattles(const GameData& data, int starter, int battles,
                                   std::uint32_t seed);

}  // namespace zorikan::balance
