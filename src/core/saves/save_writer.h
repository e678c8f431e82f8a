#pragma once
// Writes saved games away from the windows: a game handed over is written
// while the player plays on. Built with threads, a thread of its own writes
// it; a build without threads (ZORIKAN_THREADS off) writes it at once.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/data/file_error.h"
#include "core/model/game_state.h"

namespace zorikan {

// How a finished write went.
struct WriteOutcome {
    std::string path;
    std::optional<FileError> error;
};

class SaveWriter {
public:
    // `written` runs after each write, on the writer's thread: it may only
    // wake the one that hands the games over.
    explicit SaveWriter(std::function<void()> written = {});
    ~SaveWriter();  // waits for a write in flight; a game not yet begun is dropped
    SaveWriter(const SaveWriter&) = delete;
    SaveWriter& operator=(const SaveWriter&) = delete;

    // Hands `state` over to be written to `path` with the atomic replace. It
    // takes the place of a game handed over earlier and not yet begun: only
    // the newest is worth writing.
    void write(std::string path, GameState state);
    // Returns once the write in flight, if any, is done; a game not yet begun
    // is dropped. Nothing handed over later is written.
    void stop();
    // Returns once every game handed over is written.
    void wait();
    // The outcome of the newest write finished since the last call, if any.
    std::optional<WriteOutcome> takeOutcome();

private:
    struct Work;
    std::unique_ptr<Work> work_;
};

}  // namespace zorikan
