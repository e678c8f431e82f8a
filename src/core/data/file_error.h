#pragma once
// A failed file operation, as the player sees it: the system's error text
// ("File not found", "Invalid numeric input", ...) shown with a full stop.

#include <string>

#include "core/text/catalogue.h"

namespace zorikan {

struct FileError {
    std::string text;

    std::string message() const { return Text(text::kFileErrorBox, {text}); }
    bool operator==(const FileError&) const = default;
};

// The player-facing text of a system error code: "Disk full", "File access
// denied", "File not found" or "I/O error <code>".
FileError FileErrorFromErrno(int code);

}  // namespace zorikan
