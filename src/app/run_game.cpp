#include "app/run_game.h"

#include <QApplication>

#include "app/game_session.h"
#include "app/program_end.h"
#include "app/window_keyboard.h"

namespace zorikan {

int RunGame(const QStringList& arguments, const QString& dataFolder) {
    GiveShownWindowsTheKeyboard();
    GameSession session(arguments, dataFolder);
    ProgramEnd end(session);
    session.start();
    return QApplication::exec();
}

}  // namespace zorikan
