#include "core/data/saved_game_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

namespace zorikan {

namespace {

// The full name with links resolved: two names of one saved game find one lock.
std::string resolved(const std::string& path) {
    char full[PATH_MAX];
    if (::realpath(path.c_str(), full)) return full;
    // A new game's file does not exist yet: its folder does.
    const auto cut = path.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "." : path.substr(0, cut + (cut == 0));
    if (!::realpath(folder.c_str(), full)) return path;
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    return std::string(full) + (full[1] ? "/" : "") + name;
}

bool sameFile(int fd, const std::string& name) {
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::stat(name.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

std::string LockNameFor(const std::string& path) {
    const std::string full = resolved(path);
    const auto cut = full.find_last_of('/');
    if (cut == std::string::npos) return "." + full + ".lock";
    return full.substr(0, cut + 1) + "." + full.substr(cut + 1) + ".lock";
}

bool SavedGameLock::take(const std::string& path) {
    release();
    const std::string name = LockNameFor(path);
    // A copy that ends removes its lock file while holding it; one opened
    // just before that removal is no longer the file: try again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) return true;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return !held;
        }
        if (sameFile(fd, name)) {
            lockName_ = name;
            handle_ = fd;
            return true;
        }
        ::close(fd);
    }
    return true;
}

void SavedGameLock::release() {
    if (handle_ < 0) return;
    // Removed while still held, so no other copy ever holds a removed file.
    ::unlink(lockName_.c_str());
    ::close(static_cast<int>(handle_));
    handle_ = -1;
    lockName_.clear();
}

bool SavedGameLock::covers(const std::string& path) const {
    return handle_ >= 0 && lockName_ == LockNameFor(path);
}

}  // namespace zorikan
