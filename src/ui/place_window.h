#pragma once
// Where a side window first appears.

class QWidget;

namespace zorikan::ui {

// Puts `window` just below `owner`, kept on the owner's screen. The shops stand where the battle
// log stands in battle, so neither the main window nor the statistics beside it is covered.
void PlaceBelow(QWidget* window, const QWidget* owner);

}  // namespace zorikan::ui
