#pragma once
// Writes a saved game so that a failed write (disk full, no permission, a
// crash) leaves the old file as it was, and so that the file stays the
// player's: its link, its permissions and its read-only mark are respected.

#include <optional>
#include <string>
#include <string_view>

#include "core/data/file_error.h"

namespace zorikan {

// Writes `content` to `path`. A symbolic link is followed to the file it
// names. The content goes to a temporary file beside that file, is flushed to
// disk and renamed over it, with the old file's permissions, group and (where
// the system allows) owner. When the folder takes no new file but the file
// itself may be written, it is written where it is, flushed and checked.
// Refused with "File access denied": a folder, a device or pipe, and a file
// that has no write permission at all. On failure no temporary file is left.
std::optional<FileError> WriteFileAtomically(const std::string& path, std::string_view content);

// Whether WriteFileAtomically could write `path` now, found out without
// changing anything: an existing file keeps its content and no new file is
// left behind. A missing folder gives "Folder not found", and a folder that
// takes no files at all "File access denied".
std::optional<FileError> CheckFileWritable(const std::string& path);

}  // namespace zorikan
