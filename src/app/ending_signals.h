#pragma once
// The signals that ask a running program to stop: a terminal's Ctrl+C, its
// closing, kill and a service manager's stop (SIGINT, SIGHUP, SIGTERM).
// Where the system has no such signals for a windowed program, nothing is
// installed; the end of the desktop session still reaches the game through
// Qt's session manager.

#include <QObject>
#include <functional>
#include <memory>

namespace zorikan {

class EndingSignals : public QObject {
public:
    // `onSignal` runs in the event loop at the first such signal while this
    // object lives. A second signal before it is done ends the program at
    // once. The previous handlers come back when this object goes.
    EndingSignals(std::function<void()> onSignal, QObject* parent);
    ~EndingSignals() override;

private:
    struct Handlers;
    std::unique_ptr<Handlers> handlers_;
};

}  // namespace zorikan
