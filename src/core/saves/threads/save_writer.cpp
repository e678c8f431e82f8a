#include "core/saves/save_writer.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "core/saves/save_game.h"

namespace zorikan {

struct SaveWriter::Work {
    std::function<void()> written;
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<std::pair<std::string, GameState>> next;
    bool writing = false;
    bool stopped = false;
    std::optional<WriteOutcome> outcome;
    std::thread thread;  // last: it starts once everything above is ready

    void run() {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopped || next; });
            if (stopped) return;
            auto [path, state] = std::move(*next);
            next.reset();
            writing = true;
            lock.unlock();
            WriteOutcome done{path, WriteSaveGameFile(state, path)};
            lock.lock();
            writing = false;
            outcome = std::move(done);
            changed.notify_all();
            if (written) {
                lock.unlock();
                written();
                lock.lock();
            }
        }
    }
};

SaveWriter::SaveWriter(std::function<void()> written) : work_(std::make_unique<Work>()) {
    work_->written = std::move(written);
    work_->thread = std::thread([work = work_.get()] { work->run(); });
}

SaveWriter::~SaveWriter() {
    stop();
    work_->thread.join();
}

void SaveWriter::write(std::string path, GameState state) {
    {
        std::lock_guard lock(work_->mutex);
        if (work_->stopped) return;
        work_->next.emplace(std::move(path), std::move(state));
    }
    work_->changed.notify_all();
}

void SaveWriter::stop() {
    std::unique_lock lock(work_->mutex);
    work_->stopped = true;
    work_->next.reset();
    work_->changed.notify_all();
    work_->changed.wait(lock, [this] { return !work_->writing; });
}

void SaveWriter::wait() {
    std::unique_lock lock(work_->mutex);
    work_->changed.wait(lock, [this] { return !work_->writing && !work_->next; });
}

std::optional<WriteOutcome> SaveWriter::takeOutcome() {
    std::lock_guard lock(work_->mutex);
    return std::exchange(work_->outcome, std::nullopt);
}

}  // namespace zorikan
