#include "app/ending_signals.h"

namespace zorikan {

// A page has no signals: closing its tab is a page hide, which the page's
// loader answers by keeping the files (storage.js beside this file).
struct EndingSignals::Handlers {};

EndingSignals::EndingSignals(std::function<void()>, QObject* parent) : QObject(parent) {}

EndingSignals::~EndingSignals() = default;

}  // namespace zorikan
