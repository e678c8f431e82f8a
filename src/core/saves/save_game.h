#pragma once
// The saved-game file: one value per line, CR LF. The current layout starts
// with an identifier line; files of the older layout (no identifier, three
// progress flags, species 1..251 only) are still read.

#include <optional>
#include <string>
#include <string_view>

#include "core/data/file_error.h"
#include "core/model/game_state.h"

namespace zorikan {

inline constexpr std::string_view kSaveIdentifier = "VERSION2SAVEFILEIDENTIFIER";
inline constexpr int kSaveLinesV2 = 30'405;
inline constexpr int kSaveLinesV1 = 30'267;
inline constexpr int kSpeciesInV1 = 251;

// The whole file in the current layout.
std::string SaveGameText(const GameState& state);

// Reads a saved game over `state`. An older file leaves the two late gift
// flags and the registrations of species 252..386 as `state` holds them.
// Missing lines at the end read as 0, empty or false. A species outside
// 0..386 is refused with "Invalid species at line N", since the game would
// look it up in its tables. On an error `state` may be partly overwritten:
// read into a copy. When `endedEarlyAtLine` is given it receives the number
// of the file's last line if the file ended before its last value, else 0.
std::optional<FileError> ReadSaveGameText(std::string_view text, GameState& state,
                                          int* endedEarlyAtLine = nullptr);

std::optional<FileError> WriteSaveGameFile(const GameState& state, const std::string& path);
std::optional<FileError> ReadSaveGameFile(const std::string& path, GameState& state,
                                          int* endedEarlyAtLine = nullptr);

}  // namespace zorikan
