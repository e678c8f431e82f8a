#include "core/saves/save_writer.h"

#include <utility>

#include "core/saves/save_game.h"

namespace zorikan {

// Without threads the game is written as it is handed over.
struct SaveWriter::Work {
    std::function<void()> written;
    bool stopped = false;
    std::optional<WriteOutcome> outcome;
};

SaveWriter::SaveWriter(std::function<void()> written) : work_(std::make_unique<Work>()) {
    work_->written = std::move(written);
}

SaveWriter::~SaveWriter() = default;

void SaveWriter::write(std::string path, GameState state) {
    if (work_->stopped) return;
    std::optional<FileError> error = WriteSaveGameFile(state, path);
    work_->outcome = WriteOutcome{std::move(path), std::move(error)};
    if (work_->written) work_->written();
}

void SaveWriter::stop() {
    work_->stopped = true;
}

void SaveWriter::wait() {}

std::optional<WriteOutcome> SaveWriter::takeOutcome() {
    return std::exchange(work_->outcome, std::nullopt);
}

}  // namespace zorikan
