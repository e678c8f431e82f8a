#pragma once
// Whole-file reading with the player-facing error texts of failed file
// operations.

#include <optional>
#include <string>

#include "core/data/file_error.h"

namespace zorikan {

// A folder, device or pipe in the file's place is "File access denied".
std::optional<FileError> ReadTextFile(const std::string& path, std::string& text);

}  // namespace zorikan
