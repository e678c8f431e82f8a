#include "core/data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace zorikan {

namespace {

// A descriptor closed when it goes out of scope.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now, reporting the error a late write may only show here.
    std::optional<FileError> close() {
        const int held = fd;
        fd = -1;
        if (::close(held) != 0) return FileErrorFromErrno(errno);
        return std::nullopt;
    }
};

// The temporary file beside the saved game; removed unless renamed.
class TempFile {
public:
    explicit TempFile(std::string name) : name_(std::move(name)) {}
    ~TempFile() {
        if (created_) {
            if (file.fd >= 0) ::close(file.fd);
            file.fd = -1;
            ::unlink(name_.c_str());
        }
    }
    const std::string& name() const { return name_; }

    // Creates it afresh; a file left by an earlier run cut short is replaced.
    // On failure errno tells why.
    bool create() {
        constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
        file.fd = ::open(name_.c_str(), kFlags, 0666);
        if (file.fd < 0 && errno == EEXIST && ::unlink(name_.c_str()) == 0)
            file.fd = ::open(name_.c_str(), kFlags, 0666);
        created_ = file.fd >= 0;
        return created_;
    }
    void renamed() { created_ = false; }

    Descriptor file;

private:
    std::string name_;
    bool created_ = false;
};

std::string folderOf(const std::string& path) {
    const auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

// One name per write, also within one program: the save after an action runs
// on a thread of its own, and two writes must never share a temporary file.
std::string tempNameFor(const std::string& path) {
    static std::atomic<unsigned> writes{0};
    return path + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(++writes);
}

// A saved game reached through a symbolic link is written to the file the
// link names, so the link keeps leading to the game. A link whose file does
// not exist yet names the file to create.
std::optional<FileError> followLinks(std::string& path) {
    constexpr int kMaxLinks = 40;
    for (int link = 0; link < kMaxLinks; ++link) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return std::nullopt;
        char target[4096];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0) return FileErrorFromErrno(errno);
        if (static_cast<std::size_t>(n) == sizeof target) return FileErrorFromErrno(ENAMETOOLONG);
        const std::string named(target, static_cast<std::size_t>(n));
        path = named.front() == '/' ? named : folderOf(path) + "/" + named;
    }
    return FileErrorFromErrno(ELOOP);
}

// The file a save goes to, and what it was before.
struct Target {
    std::string path;
    bool exists = false;
    struct stat old {};
    Descriptor existing;  // the existing file, opened for writing
};

std::optional<FileError> openTarget(const std::string& path, Target& target) {
    if (path.empty()) return FileError{Text(text::kFileNotFound)};
    target.path = path;
    if (auto error = followLinks(target.path)) return error;
    if (::stat(target.path.c_str(), &target.old) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(FileErrorFromErrno(errno));
    target.exists = true;
    // A folder, a device or a pipe holds no saved game. A file without any
    // write permission was made read-only on purpose: it is refused even to
    // a user whose rights would override that.
    if (!S_ISREG(target.old.st_mode) || (target.old.st_mode & 0222) == 0)
        return FileError{Text(text::kAccessDenied)};
    // Opening for writing (without truncating) asks the system the real
    // question, with its access lists and read-only mounts.
    target.existing.fd = ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (target.existing.fd < 0) return FileErrorFromErrno(errno);
    return std::nullopt;
}

// A folder that refuses new files still lets a writable file of the player's
// be written where it is, but only on a file system that stores files: the
// system's own views such as /proc and /sys have no storage at all.
bool canWriteInPlace(const Target& target, int createError) {
    if (target.existing.fd < 0 || (createError != EACCES && createError != EPERM)) return false;
    struct statvfs fs {};
    return ::fstatvfs(target.existing.fd, &fs) == 0 && fs.f_blocks > 0;
}

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

std::optional<FileError> writeInPlace(Target& target, std::string_view content) {
    // Over the old bytes first, then cut the rest: a game of about the old
    // size needs almost no new room on the disk.
    const int fd = target.existing.fd;
    if (auto error = writeAll(fd, content)) return error;
    if (::ftruncate(fd, static_cast<off_t>(content.size())) != 0) return FileErrorFromErrno(errno);
    if (::fsync(fd) != 0) return FileErrorFromErrno(errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0) return FileErrorFromErrno(errno);
    if (written.st_size != static_cast<off_t>(content.size())) return FileErrorFromErrno(EIO);
    return target.existing.close();
}

// The replacement is the player's file as before: same permissions, same
// group where the user belongs to it, same owner where the user may give it.
void keepOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not allowed: the group alone, or else the user's default group stays.
        [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner: changing it may clear the set-id bits.
    ::fchmod(fd, old.st_mode & 07777);
}

std::optional<FileError> replaceWith(Target& target, TempFile& temp, std::string_view content) {
    if (target.exists) keepOwnerAndMode(temp.file.fd, target.old);
    if (auto error = writeAll(temp.file.fd, content)) return error;
    if (::fsync(temp.file.fd) != 0) return FileErrorFromErrno(errno);
    if (auto error = temp.file.close()) return error;
    if (::rename(temp.name().c_str(), target.path.c_str()) != 0) return FileErrorFromErrno(errno);
    temp.renamed();

    // Make the rename itself durable; the file is already complete either way.
    const int folder = ::open(folderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileError> WriteFileAtomically(const std::string& path, std::string_view content) {
    Target target;
    if (auto error = openTarget(path, target)) return error;
    TempFile temp(tempNameFor(target.path));
    if (temp.create()) return replaceWith(target, temp, content);
    const int why = errno;
    if (canWriteInPlace(target, why)) return writeInPlace(target, content);
    return FileErrorFromErrno(why);
}

std::optional<FileError> CheckFileWritable(const std::string& path) {
    Target target;
    if (auto error = openTarget(path, target)) return error;
    struct stat folder {};
    if (::stat(folderOf(target.path).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
        return FileError{Text(text::kFolderNotFound)};
    // The same temporary file a save creates, removed again at once.
    TempFile probe(tempNameFor(target.path));
    if (probe.create()) return std::nullopt;
    const int why = errno;
    if (canWriteInPlace(target, why)) return std::nullopt;
    // A folder that exists but can hold no file at all (the system's views).
    return FileErrorFromErrno(why == ENOENT ? EACCES : why);
}

}  // namespace zorikan
