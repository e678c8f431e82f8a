#pragma once
// How a text reaches the screen reader of this system: one version per
// system, beside this header.

#include <QStringList>

class QWidget;

namespace zorikan::ui {

// Hands `texts` to the screen reader, in order, as said by `focus`, the
// control that holds the keyboard. Does nothing while no screen reader
// listens.
void SendSpeech(QWidget* focus, const QStringList& texts);

}  // namespace zorikan::ui
