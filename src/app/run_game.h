#pragma once
// One run of the game inside the application's event loop, from the loader
// to the end of the program.

#include <QString>
#include <QStringList>

namespace zorikan {

// Starts the game with the command line's `arguments` (a saved game to load)
// and the data found in `dataFolder`, runs it until it ends, and returns the
// program's exit code.
int RunGame(const QStringList& arguments, const QString& dataFolder);

}  // namespace zorikan
