#pragma once
// File names travel through the game as UTF-8 text. A name given to the
// system goes through these, so that a saved game in a folder named with
// accents or non-Latin letters opens wherever the game runs (a plain narrow
// name would be read in the system's legacy code page on some systems).

#include <filesystem>
#include <string>

namespace zorikan {

inline std::filesystem::path PathFromUtf8(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

// "game.zgs" for "C:\games\game.zgs" or "/home/kell/game.zgs": a name of
// either system loses its folder wherever the game runs.
inline std::string FileNameWithoutFolder(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace zorikan
