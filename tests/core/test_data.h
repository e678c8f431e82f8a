#pragma once
// The game's real data file, loaded once for all tests that need it.

#include <gtest/gtest.h>

#include "core/data/data_file.h"
#include "core/data/game_data.h"

namespace zorikan::testing {

inline const GameData& RealGameData() {
    static const GameData data = [] {
        GameData d;
        auto error = LoadGameDataFile(ZORIKAN_DATA_FILE, d);
        if (error) ADD_FAILURE() << "cannot load " << ZORIKAN_DATA_FILE << ": " << error->text;
        return d;
    }();
    return data;
}

}  // namespace zorikan::testing
