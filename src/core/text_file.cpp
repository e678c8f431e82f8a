#include "core/text_file.h"

#include <cerrno>
#include <fstream>
#include <sstream>

namespace zorikan {

std::optional<FileError> ReadTextFile(const std::string& path, std::string& text) {
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR) return FileError{"File not found"};
        if (errno == EACCES || errno == EISDIR || errno == EPERM)
            return FileError{"File access denied"};
        return FileError{"I/O error " + std::to_string(errno)};
    }
    std::ostringstream buffer;
    buffer << file.rdbuf();
    if (file.bad()) return FileError{"I/O error " + std::to_string(errno ? errno : 5)};
    text = std::move(buffer).str();
    return std::nullopt;
}

}  // namespace zorikan
