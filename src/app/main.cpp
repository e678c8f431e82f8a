// ZORIKAN Simulator: a creature-collecting and battling game.

#include <QApplication>

#include "app/game_session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORIKAN Simulator");
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    zorikan::GameSession session(arguments, QApplication::applicationDirPath());
    session.start();
    return QApplication::exec();
}
