// An empty Qt window and nothing else: the yardstick tools/measure/startup_time.sh
// measures the game's way to its title window against.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(320, 200);
    window.show();
    return app.exec();
}
