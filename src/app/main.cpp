// ZORIKAN Simulator: a creature-collecting and battling game.

#include <QApplication>

#include "app/run_game.h"
#include "core/data/data_location.h"
#include "ui/game_language.h"

#ifdef ZORIKAN_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#endif

int main(int argc, char* argv[]) {
#ifdef ZORIKAN_FONTCONFIG
    // The loader window measures its text before it shows, and the first text
    // measured makes Fontconfig read the system's whole font configuration,
    // dozens of files. A second thread reads it while Qt connects to the
    // display, and the loader finds it ready.
    std::thread fontConfiguration([] { FcInit(); });
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORIKAN Simulator");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setDesktopFileName("net.zorikan.simulator");
    // Every window and text from here on is in the desktop's language.
    const zorikan::ui::GameLanguage language(zorikan::ui::DesktopLanguage());

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::string dataFolder = zorikan::FindDataFolder(
        QApplication::applicationDirPath().toStdString(), ZORIKAN_INSTALLED_DATA_DIR);
#ifdef ZORIKAN_FONTCONFIG
    fontConfiguration.join();
#endif
    return zorikan::RunGame(arguments, QString::fromStdString(dataFolder));
}
