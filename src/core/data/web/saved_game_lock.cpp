#include "core/data/saved_game_lock.h"

#include <emscripten.h>

#include <climits>
#include <cstdlib>

namespace zorikan {

namespace {

// Each tab of the browser has a file system of its own, read in from the
// browser's storage, so a lock file would be seen by its own tab only. The
// browser's own locks (Web Locks) span its tabs, and the browser lets go of
// a tab's locks when the tab closes or crashes, as the system does for a
// copy of the desktop game. A page without them (one not served from this
// computer or over HTTPS) takes its saved game unlocked.
// clang-format off
EM_ASYNC_JS(int, TakeBrowserLock, (const char* name), {
    if (!navigator.locks) return 1;
    const key = UTF8ToString(name);
    return await new Promise(function (taken) {
        navigator.locks.request(key, {ifAvailable: true}, function (lock) {
            if (!lock) {
                taken(0);
                return undefined;
            }
            taken(1);
            // Held until the promise is settled: by ReleaseBrowserLock.
            return new Promise(function (letGo) {
                Module.zorikanLocks = Module.zorikanLocks || {};
                Module.zorikanLocks[key] = letGo;
            });
        });
    });
});

EM_JS(void, ReleaseBrowserLock, (const char* name), {
    const key = UTF8ToString(name);
    const letGo = Module.zorikanLocks && Module.zorikanLocks[key];
    if (letGo) {
        delete Module.zorikanLocks[key];
        letGo();
    }
});
// clang-format on

}  // namespace

std::string LockNameFor(const std::string& path) {
    // One name per saved game in every tab: its full name in the page's files.
    char full[PATH_MAX];
    const std::string name = ::realpath(path.c_str(), full) ? std::string(full) : path;
    return "ZORIKAN Simulator saved game " + name;
}

bool SavedGameLock::take(const std::string& path) {
    release();
    const std::string name = LockNameFor(path);
    if (!TakeBrowserLock(name.c_str())) return false;
    lockName_ = name;
    handle_ = 1;
    return true;
}

void SavedGameLock::release() {
    if (handle_ < 0) return;
    ReleaseBrowserLock(lockName_.c_str());
    handle_ = -1;
    lockName_.clear();
}

bool SavedGameLock::covers(const std::string& path) const {
    return handle_ >= 0 && lockName_ == LockNameFor(path);
}

}  // namespace zorikan
