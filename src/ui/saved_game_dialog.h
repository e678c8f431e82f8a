#pragma once
// The file dialogs of saved games: open an existing game at the title, or
// choose the file a new game is saved to.

#include <QString>

class QWidget;

namespace zorikan::ui {

enum class SavedGameDialog { Open, Save };

// The chosen file, or an empty string when the player cancels. The dialog
// starts at `suggestion` when one is given.
QString AskForSavedGame(QWidget* parent, SavedGameDialog kind, const QString& suggestion = {});

}  // namespace zorikan::ui
