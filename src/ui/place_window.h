#pragma once
// Where the game's windows stand: each one whole on its screen, none lost
// behind a minimise, none opened by the game over the window in use.

#include <QList>
#include <QPoint>

class QObject;
class QRect;
class QWidget;

namespace zorikan::ui {

// Puts `window` just below `owner`, kept on the owner's screen. The shops stand where the battle
// log stands in battle, so neither the main window nor the statistics beside it is covered.
void PlaceBelow(QWidget* window, const QWidget* owner);

// The window with its frame, also before the window manager has framed it:
// then its frame is taken to be as thick as that of a framed game window.
QRect FrameOf(const QWidget* window);

// Gives `window` the size its layout asks for now, not only once it shows.
void Settle(QWidget* window);

// Puts the top-left corner of the frame of `window` at `topLeft`, framed or not.
void MoveFrame(QWidget* window, QPoint topLeft);

// Moves `window` in so that its frame lies inside the available area of its screen (clear of
// panels and docks). A resizable window larger than that area shrinks to it, and its contents
// scroll; a fixed one keeps its top-left corner in it.
void KeepOnScreen(QWidget* window);

// Keeps every game window whole on its screen whenever one shows or changes its size, for as
// long as `owner` lives.
void InstallScreenKeeper(QObject* owner);

// Puts `window` where it covers none of `clearOf` (the main window's menu bar, the window in use)
// and, where the screen allows, no other shown game window; once `placedBefore`, a place the
// player gave it that covers none of `clearOf` is kept. `main` is the window it stands beside.
void PlaceClearOf(QWidget* window, const QWidget* main, const QList<QRect>& clearOf,
                  bool placedBefore);

// The strip of `main` that holds its title and menu bar, which a window the game opens by
// itself never covers.
QRect MenuBarStrip(const QWidget* main);

// Moves `window` on, a title bar's height down and right, while another game window is shown at
// exactly its place, so that two side windows never hide each other whole.
void StepClearOf(QWidget* window);

// Brings a window the game shows back from a minimise, in front; `giveKeyboard` also makes it
// the active window.
void BringBack(QWidget* window, bool giveKeyboard = false);

}  // namespace zorikan::ui
