#pragma once
// Where the game finds ZORIGAME.dat: beside the executable, as a build or an
// unpacked copy has it, or else in the folder an installed game keeps it.

#include <string>

namespace zorikan {

inline constexpr const char* kDataFileName = "ZORIGAME.dat";

// The folder to read the data file from. When neither folder holds the file,
// the executable's folder is named, so the load reports the file missing there.
std::string FindDataFolder(const std::string& executableFolder, const std::string& installedFolder);

}  // namespace zorikan
