#pragma once
// Reader of ZORIGAME.dat, the game's fixed data, in the order of its 13
// sections. Progress is reported one value at a time so the loader window can
// draw its two gauges.

#include <optional>
#include <string>
#include <string_view>

#include "core/data/file_error.h"
#include "core/data/game_data.h"

namespace zorikan {

// Receives the load's progress: a stage start with its gauge maximum and
// caption, then one step for every value (and for every type chart row's
// implied column 0).
class LoadProgress {
public:
    virtual ~LoadProgress() = default;
    virtual void startStage(int maximum, const std::string& caption) = 0;
    virtual void step() = 0;
};

// Reads the whole text of a data file into `data`. On an error the tables
// read so far keep their values and the rest stay as they were.
std::optional<FileError> ReadGameData(std::string_view text, GameData& data,
                                      LoadProgress* progress = nullptr);

// Opens `path` and reads it as above; a missing file gives "File not found".
std::optional<FileError> LoadGameDataFile(const std::string& path, GameData& data,
                                          LoadProgress* progress = nullptr);

}  // namespace zorikan
