#include "app/program_end.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cstdio>

#include "app/game_session.h"
#include "core/state/closing_save.h"

namespace zorikan {
namespace {

constexpr std::array kEndingSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler only writes a byte to this pair; the save runs in the event loop.
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

ProgramEnd::ProgramEnd(GameSession& session) : session_(session) {
    signalled = 0;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeUp) == 0) {
        notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char byte;
            while (::read(wakeUp[0], &byte, 1) > 0) {
            }
            leaveWithoutAsking();
        });
        struct sigaction action = {};
        action.sa_handler = OnEndingSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
            ::sigaction(kEndingSignals[i], &action, &previous_[i]);
    }
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        sessionEnds([&manager] { return manager.allowsInteraction(); });
    });
}

ProgramEnd::~ProgramEnd() {
    qApp->removeEventFilter(this);
    if (!notifier_) return;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
        ::sigaction(kEndingSignals[i], &previous_[i], nullptr);
    delete notifier_;
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

void ProgramEnd::sessionEnds(const std::function<bool()>& playerAtHand) {
    if (session_.quitting()) return;
    // The session may still go on (a checkpoint, a logout another program
    // stops), so the game in play is not changed; the quit that ends the
    // session writes it once more.
    if (const auto error = SaveOnLeaving(session_.game()); error && playerAtHand())
        session_.game().port.error(error->message());
}

void ProgramEnd::leaveWithoutAsking() {
    if (session_.quitting()) return;
    const auto error = SaveOnLeaving(session_.game());
    if (error)
        std::fprintf(stderr, "ZORIKAN Simulator: the game was not saved to %s: %s\n",
                     session_.game().screens.main.saveFileName.c_str(), error->message().c_str());
    session_.quit(error ? 1 : 0);
}

bool ProgramEnd::eventFilter(QObject* watched, QEvent* event) {
    // Qt's own quit asks every window to close and gives up if one refuses;
    // the game is ended here instead, whatever box is open.
    if (watched == qApp && event->type() == QEvent::Quit && !session_.quitting()) {
        leaveWithoutAsking();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zorikan
