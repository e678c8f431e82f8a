#include "app/window_keyboard.h"

namespace zorikan {

// The window manager activates a new window by itself.
void GiveShownWindowsTheKeyboard() {}

}  // namespace zorikan
