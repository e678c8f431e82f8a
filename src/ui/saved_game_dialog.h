#pragma once
// The file dialogs of saved games: open an existing game at the title, or
// choose the file a new game is saved to. Both start in the player's
// documents folder, as does the export of the collection; the music dialog
// starts in the music folder.

#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

namespace zorikan::ui {

enum class SavedGameDialog { Open, Save };

// The player's documents folder, made if it is missing; the home folder when
// the system names none or it cannot be made.
QString DocumentsFolder();

// The player's music folder, where the music dialog starts; the documents
// folder when the system names none or it does not exist.
QString MusicFolder();

// The window a file dialog stands over: `parent` when it is on screen, else
// the window the player is in.
QWidget* Opener(QWidget* parent);

// Points `dialog` at the documents folder, or at `suggestion` (a file the
// player chose before) when one is given.
void StartIn(QFileDialog& dialog, const QString& suggestion = {});

// The chosen file, or an empty string when the player cancels. The dialog
// starts at `suggestion` when one is given. Where the open dialog also takes
// a saved game from the player's computer (the web page), that one arrives
// later, through `fromComputer`.
QString AskForSavedGame(QWidget* parent, SavedGameDialog kind, const QString& suggestion = {},
                        std::function<void(const QString&)> fromComputer = {});

// Where a saved game named `name` that the player brings (the web page's
// "From your computer...") is stored in `folder`: under its own name, with
// ".zgs" when it has no suffix, or, when a game of that name is there
// already, numbered beside it ("web (2).zgs"), so it never replaces one.
QString FreeSavedGameName(const QString& folder, const QString& name);

}  // namespace zorikan::ui
