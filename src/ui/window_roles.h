#pragma once
// Screen readers announce the game's own top-level windows (statistics,
// battle log, ZORIDEX, type comparisons, title, loader) as windows. Qt would
// present a plain top-level widget as a panel, which a reader does not list
// among the windows. Bevel lines between rows are announced as separators.

namespace zorikan::ui {

// Installs the role once per program; later calls do nothing.
void InstallWindowRoles();

}  // namespace zorikan::ui
