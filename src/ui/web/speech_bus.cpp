#include "ui/speech_bus.h"

namespace zorikan::ui {

// The page's Qt has no bridge to a screen reader: nothing listens.
bool ScreenReaderListens() {
    return false;
}

void SendSpeech(const SpeechTarget&, const QStringList&) {}

}  // namespace zorikan::ui
