// The game's way to its title window in plain Qt, with nothing of the game
// but the look of its first two windows: a yellow borderless loader with its
// text, two bars and the wait cursor is shown and painted, then hidden for a
// window with the title's banner and five buttons. tools/measure/startup_time.sh
// measures it beside the game, to tell what that way costs in Qt itself from
// what the game adds to it.

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "ui/game_banner.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString name = QStringLiteral("ZORIKAN Simulator V4.1");

    QWidget loader(nullptr, Qt::FramelessWindowHint);
    zorikan::ui::PaintYellow(&loader);
    loader.setCursor(Qt::WaitCursor);
    auto* grid = new QGridLayout(&loader);
    grid->addWidget(zorikan::ui::NewBanner(name, 36, &loader), 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Loading:"), &loader), 1, 0);
    grid->addWidget(new QLabel(&loader), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Progress:"), &loader), 2, 0);
    grid->addWidget(new QProgressBar(&loader), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Total:"), &loader), 3, 0);
    grid->addWidget(new QProgressBar(&loader), 3, 1);
    loader.setFixedWidth(480);
    loader.adjustSize();

    QWidget title;
    title.setWindowTitle(QStringLiteral("Plain start"));
    zorikan::ui::PaintYellow(&title);
    zorikan::ui::NewBanner(name, 43, &title)->setGeometry(8, 0, 536, 45);
    const char* captions[] = {"Start a new game!", "Load a saved game...", "Help!", "About...",
                              "Exit"};
    int top = 45;
    for (const char* caption : captions) {
        auto* button = new QPushButton(QString::fromLatin1(caption), &title);
        button->setGeometry(8, top, 536, 65);
        top += 64;
    }
    title.setFixedSize(552, 374);

    loader.show();
    QTimer::singleShot(1, &loader, [&] {
        loader.repaint();
        loader.hide();
        title.show();
    });
    return app.exec();
}
