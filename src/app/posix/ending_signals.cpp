#include "app/ending_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace zorikan {
namespace {

constexpr std::array kEndingSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler only writes a byte to this pair; the work runs in the event loop.
int wakeUp[2] = {-1, -1};
volatile std::sig_atomic_t signalled = 0;

extern "C" void OnEndingSignal(int sig) {
    if (signalled) {
        // Asked again while the first is handled: end now. The save writes a
        // temporary file and renames it, so the old file stays whole.
        std::signal(sig, SIG_DFL);
        std::raise(sig);
        return;
    }
    signalled = sig;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
}

}  // namespace

struct EndingSignals::Handlers {
    QSocketNotifier* notifier = nullptr;
    // The handlers of SIGTERM, SIGHUP and SIGINT before ours.
    std::array<struct sigaction, kEndingSignals.size()> previous = {};
};

EndingSignals::EndingSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), handlers_(std::make_unique<Handlers>()) {
    signalled = 0;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeUp) != 0) return;
    handlers_->notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(handlers_->notifier, &QSocketNotifier::activated, this,
            [onSignal = std::move(onSignal)] {
                char byte;
                while (::read(wakeUp[0], &byte, 1) > 0) {
                }
                onSignal();
            });
    struct sigaction action = {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
        ::sigaction(kEndingSignals[i], &action, &handlers_->previous[i]);
}

EndingSignals::~EndingSignals() {
    if (!handlers_->notifier) return;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
        ::sigaction(kEndingSignals[i], &handlers_->previous[i], nullptr);
    delete handlers_->notifier;
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

}  // namespace zorikan
