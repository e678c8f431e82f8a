#include "app/ending_signals.h"

namespace zorikan {

// A windowed Windows program gets no console signals; logging off and
// shutting down come as the session's end through Qt.
struct EndingSignals::Handlers {};

EndingSignals::EndingSignals(std::function<void()>, QObject* parent) : QObject(parent) {}

EndingSignals::~EndingSignals() = default;

}  // namespace zorikan
