#pragma once
// A game over the real data with a scripted player and random source.

#include <gtest/gtest.h>

#include "core/game/game.h"
#include "scripted_port.h"
#include "test_data.h"

namespace zorikan::testing {

class GameTest : public ::testing::Test {
protected:
    ScriptedPort port;
    ScriptedRandom random;
    Game game{RealGameData(), port, random};

    // A game in play: the given creatures in slots 1.., listed in the
    // statistics window, with MinLevel..MaxLevel 2..100.
    void startPlaying(std::initializer_list<std::pair<int, int>> creatures) {
        game.phase = GamePhase::InPlay;
        game.state.MinLevel = 2;
        game.state.MaxLevel = 100;
        auto& list = game.screens.statistics.rosterList;
        list.clear();
        int slot = 1;
        for (auto [species, level] : creatures) {
            game.state.RosterSpecies[slot] = species;
            game.state.RosterLevel[slot] = static_cast<std::uint8_t>(level);
            game.state.RosterExp[slot] = static_cast<std::uint32_t>(level * level * level);
            game.state.OwnedFlags[species] = true;
            list.push_back({game.data.SpeciesNames[species], species - 1});
            ++slot;
        }
        ++game.screens.statistics.rosterRevision;
    }
};

}  // namespace zorikan::testing
