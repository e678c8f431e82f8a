// Runs the window tests headless unless a display is asked for, in the
// desktop's language as the game does (LANGUAGE=de for German).

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/game_language.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const zorikan::ui::GameLanguage language(zorikan::ui::DesktopLanguage());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
