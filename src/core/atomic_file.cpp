#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zorikan {

namespace {

// Closes the descriptor and removes the temporary file unless released.
class TempFile {
public:
    explicit TempFile(std::string name) : name_(std::move(name)) {}
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!kept_) ::unlink(name_.c_str());
    }
    const std::string& name() const { return name_; }
    void keep() { kept_ = true; }
    int fd = -1;

private:
    std::string name_;
    bool kept_ = false;
};

std::optional<FileError> writeAll(int fd, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileErrorFromErrno(errno);
        }
        if (n == 0) return FileErrorFromErrno(ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

std::string folderOf(const std::string& path) {
    const auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

}  // namespace

FileError FileErrorFromErrno(int code) {
    switch (code) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileError{"Disk full"};
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return FileError{"File access denied"};
        case ENOENT:
        case ENOTDIR:
            return FileError{"File not found"};
        default:
            return FileError{"I/O error " + std::to_string(code)};
    }
}

std::optional<FileError> WriteFileAtomically(const std::string& path, std::string_view content) {
    if (path.empty()) return FileError{"File not found"};
    TempFile temp(path + ".saving-" + std::to_string(::getpid()));
    temp.fd = ::open(temp.name().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (temp.fd < 0) return FileErrorFromErrno(errno);

    // The replacement keeps the permissions of the file it replaces.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) return FileError{"File access denied"};
        ::fchmod(temp.fd, old.st_mode & 07777);
    }

    if (auto error = writeAll(temp.fd, content)) return error;
    if (::fsync(temp.fd) != 0) return FileErrorFromErrno(errno);
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0) return FileErrorFromErrno(errno);
    if (::rename(temp.name().c_str(), path.c_str()) != 0) return FileErrorFromErrno(errno);
    temp.keep();

    // Make the rename itself durable; the file is already complete either way.
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

}  // namespace zorikan
