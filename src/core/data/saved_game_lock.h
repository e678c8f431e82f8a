#pragma once
// One copy of the game per saved game: a copy that opens a saved game holds a
// lock on it until it ends, and a second copy asked for the same file is
// refused. The system lets go of the lock of a copy that crashed, so nothing
// it leaves blocks the file; a normal end leaves nothing beside the game.

#include <cstdint>
#include <string>
#include <utility>

namespace zorikan {

class SavedGameLock {
public:
    SavedGameLock() = default;
    ~SavedGameLock() { release(); }
    SavedGameLock(SavedGameLock&& other) noexcept
        : lockName_(std::move(other.lockName_)), handle_(std::exchange(other.handle_, -1)) {}
    SavedGameLock& operator=(SavedGameLock&& other) noexcept {
        if (this != &other) {
            release();
            lockName_ = std::move(other.lockName_);
            handle_ = std::exchange(other.handle_, -1);
        }
        return *this;
    }
    SavedGameLock(const SavedGameLock&) = delete;
    SavedGameLock& operator=(const SavedGameLock&) = delete;

    // Takes the saved game at `path` (which need not exist yet) for this
    // copy, letting go of one held before; false when another copy holds it.
    // Where no lock can be made (a folder that takes no new file) the game is
    // taken without one: it could not be saved there anyway.
    bool take(const std::string& path);
    void release();
    // Whether this lock is on the saved game at `path`, by whatever name.
    bool covers(const std::string& path) const;

private:
    std::string lockName_;
    std::intptr_t handle_ = -1;
};

// The lock's file beside the saved game at `path`: ".NAME.lock" in the folder
// of the file the name leads to. The web page's lock is the browser's, held
// across its tabs (web/), and this is its name.
std::string LockNameFor(const std::string& path);

}  // namespace zorikan
