#pragma once
// How a text reaches the screen reader of this system: one version per
// system, beside this header.

#include <QStringList>

class QAction;
class QWidget;

namespace zorikan::ui {

// Where the screen reader may be: the control that holds the keyboard, and
// the menu command chosen last (or null), on which a reader stays until the
// keyboard moves.
struct SpeechTarget {
    QWidget* focus = nullptr;
    QAction* command = nullptr;
};

// Whether a screen reader listens now.
bool ScreenReaderListens();

// Hands `texts` to the screen reader, in order, as said where it is. Does
// nothing while no screen reader listens.
void SendSpeech(const SpeechTarget& where, const QStringList& texts);

}  // namespace zorikan::ui
