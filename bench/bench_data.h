#pragma once
// The game's own data file, read once for every benchmark that plays on it.

#include "core/data/data_file.h"
#include "core/data/game_data.h"

namespace zorikan::bench {

inline const GameData& Data() {
    static const GameData data = [] {
        GameData d;
        LoadGameDataFile(ZORIKAN_DATA_FILE, d);
        return d;
    }();
    return data;
}

}  // namespace zorikan::bench
