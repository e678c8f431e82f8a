#include "app/program_end.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>

#include "app/ending_signals.h"
#include "app/game_session.h"
#include "core/saves/closing_save.h"

namespace zorikan {

ProgramEnd::ProgramEnd(GameSession& session) : session_(session) {
    new EndingSignals([this] { leaveWithoutAsking(); }, this);
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        sessionEnds([&manager] { return manager.allowsInteraction(); });
    });
}

ProgramEnd::~ProgramEnd() {
    qApp->removeEventFilter(this);
}

void ProgramEnd::sessionEnds(const std::function<bool()>& playerAtHand) {
    if (session_.quitting()) return;
    // The session may still go on (a checkpoint, a logout another program
    // stops), so the game in play is not changed; the quit that ends the
    // session writes it once more.
    session_.holdSaves(true);
    const auto error = SaveOnLeaving(session_.game());
    if (error && playerAtHand()) session_.game().port.error(error->message());
    session_.holdSaves(false);
}

void ProgramEnd::leaveWithoutAsking() {
    if (session_.quitting()) return;
    session_.holdSaves(true);
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
