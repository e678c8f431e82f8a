#pragma once
// A fresh folder for one test's files, removed afterwards.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "core/data/file_path.h"

namespace zorikan::testing {

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do {
            path_ =
                std::filesystem::temp_directory_path() / ("zorikan-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    // The file's name in UTF-8, as the game takes names.
    std::string file(const std::string& name) const {
        return Utf8FromPath(path_ / PathFromUtf8(name));
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(PathFromUtf8(path), std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

}  // namespace zorikan::testing
