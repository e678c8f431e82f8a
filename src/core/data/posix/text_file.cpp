#include "core/data/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zorikan {

std::optional<FileError> ReadTextFile(const std::string& path, std::string& text) {
    // Non-blocking, so that a pipe in the file's place cannot hang the game.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FileErrorFromErrno(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return FileErrorFromErrno(errno);
    // A folder opens for reading but holds no text; a device or pipe is no
    // file of the game.
    if (!S_ISREG(st.st_mode)) return FileError{Text(text::kAccessDenied)};

    std::string content;
    content.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileErrorFromErrno(errno);
        }
        if (n == 0) break;
        content.append(chunk, static_cast<std::size_t>(n));
    }
    text = std::move(content);
    return std::nullopt;
}

}  // namespace zorikan
