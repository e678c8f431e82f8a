#pragma once
// A window the game shows takes the keyboard: the desktop's window manager
// gives it at once, the page's Qt only at a click (desktop/, web/).

namespace zorikan {

// Makes every window shown from now on take the keyboard where the system
// does not already.
void GiveShownWindowsTheKeyboard();

}  // namespace zorikan
