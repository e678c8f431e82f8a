// ZORIKAN Simulator: a creature-collecting and battling game.

#include <QApplication>
#include <QIcon>

#include "app/run_game.h"
#include "core/data/data_location.h"

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
    return zorikan::RunGame(arguments, QString::fromStdString(dataFolder));
}
