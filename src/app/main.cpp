// ZORIKAN Simulator: a creature-collecting and battling game.

#include <QApplication>
#include <QIcon>

#include "app/game_session.h"
#include "core/data_location.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORIKAN Simulator");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setDesktopFileName("net.zorikan.simulator");
    QApplication::setWindowIcon(QIcon(":/icons/zorikan.png"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::string dataFolder = zorikan::FindDataFolder(
        QApplication::applicationDirPath().toStdString(), ZORIKAN_INSTALLED_DATA_DIR);
    zorikan::GameSession session(arguments, QString::fromStdString(dataFolder));
    session.start();
    return QApplication::exec();
}
