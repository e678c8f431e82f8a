#pragma once
// Replaces a file only once its new content is safely on disk, so a failed
// write (disk full, no permission, a crash) leaves the old file as it was.

#include <optional>
#include <string>
#include <string_view>

#include "core/file_error.h"

namespace zorikan {

// Writes `content` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On failure the temporary file is removed and the
// error text is one of "Disk full", "File access denied", "File not found"
// or "I/O error <code>".
std::optional<FileError> WriteFileAtomically(const std::string& path, std::string_view content);

// The player-facing text of a system error code.
FileError FileErrorFromErrno(int code);

}  // namespace zorikan
