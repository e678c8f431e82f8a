#pragma once
// A saved game in the older layout, as the game's first release wrote it.

#include <string>
#include <vector>

#include "core/model/game_state.h"
#include "core/saves/save_game.h"

namespace zorikan::testing {

// An older file: name, three flags, counters, 251 registrations, roster
// (species 25 and 251 at level 30 in slots 1 and 2).
inline std::vector<std::string> Version1Lines(const std::string& name) {
    std::vector<std::string> lines{name, "TRUE", "TRUE", "FALSE", "12", "999"};
    for (int i = 0; i < 10; ++i) lines.push_back(std::to_string(i + 1));
    for (int n = 1; n <= kSpeciesInV1; ++n) lines.push_back(n % 2 ? "TRUE" : "FALSE");
    for (int slot = 1; slot <= kRosterSlots; ++slot) {
        const bool filled = slot <= 2;
        lines.push_back(filled ? std::to_string(slot == 1 ? 25 : 251) : "0");
        lines.push_back(filled ? "30" : "0");
        lines.push_back(filled ? "27000" : "0");
    }
    return lines;
}

}  // namespace zorikan::testing
