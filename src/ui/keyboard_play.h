#pragma once
// Keys that work the same in every window of the game, so that a whole game
// can be played without a mouse:
// - Enter (and Return) presses the focused push button, as Space does;
// - the arrow keys in a group of radio buttons check the button they move to,
//   also when none was checked yet;
// - F1 opens the help wherever no window has its own use for the key;
// - a menu opened with Alt and its letter stays open when a screen reader
//   hands the Alt press on late.
// Side windows close with Esc through `CloseOnEscape`.

#include <QList>
#include <functional>

class QAbstractButton;
class QObject;
class QWidget;

namespace zorikan::ui {

// Installs the keys for as long as `owner` lives; `openHelp` opens the help
// at its index.
void InstallKeyboardPlay(QObject* owner, std::function<void()> openHelp);

// Tab visits the widgets of `chain` in their order, Shift+Tab the other way.
void ChainTabOrder(const QList<QWidget*>& chain);

// The widgets of `range` (an array or list of widget pointers), to be joined
// into a tab chain.
template <typename Range>
QList<QWidget*> TabStops(const Range& range) {
    return QList<QWidget*>(range.begin(), range.end());
}

// Esc in `window` presses `closeButton`, the window's own way to close, and
// does nothing while that button is disabled or hidden. An open drop-down
// list or menu takes an Esc for itself: it closes, the window stays.
void CloseOnEscape(QWidget* window, QAbstractButton* closeButton);

}  // namespace zorikan::ui
