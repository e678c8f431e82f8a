// A plain Qt window, none of the game in it, for tools/speech/orca_speech.py: what a
// screen reader says for ordinary Qt widgets on this desktop is what the
// game's windows can hope for. A main window with a menu whose item asks a
// question, two buttons (the first adds a line to a log in another window,
// the second opens a box), a group of choices and a list, all with Qt's own
// behaviour; F6 opens a tool window whose list opens a box on Enter and that
// gives the keyboard back with F6, as the game's statistics window does.
// The log's lines also go to the game's speaker (src/ui/speaker.h), which
// has them spoken where the keyboard is, as the battle log's are: Space on
// the first button says one line, Enter on it two at once.

#include <QApplication>
#include <QButtonGroup>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/speaker.h"

namespace {

QPlainTextEdit* MakeLogWindow() {
    auto* window = new QWidget(nullptr, Qt::Tool);
    window->setWindowTitle("Log Window");
    auto* log = new QPlainTextEdit(window);
    log->setAccessibleName("Reference Log");
    log->setReadOnly(true);
    (new QVBoxLayout(window))->addWidget(log);
    window->show();
    return log;
}

QWidget* MakeSideWindow(QWidget* main) {
    auto* side = new QWidget(nullptr, Qt::Tool);
    side->setWindowTitle("Side Window");
    auto* layout = new QVBoxLayout(side);
    auto* list = new QListWidget(side);
    list->setAccessibleName("Side List");
    list->addItems({"Side Item One", "Side Item Two"});
    list->setCurrentRow(0);
    layout->addWidget(list);
    QObject::connect(list, &QListWidget::itemActivated, side, [side](QListWidgetItem* item) {
        QMessageBox::information(side, "Side Box", item->text() + " is the current item.");
    });
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F6), main), &QShortcut::activated, side,
                     [side, list] {
                         side->show();
                         list->setFocus();
                         side->raise();
                         side->activateWindow();
                     });
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F6), side), &QShortcut::activated, main,
                     [main] {
                         main->raise();
                         main->activateWindow();
                     });
    return side;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A main window with a menu bar, like the game's.
    QMainWindow window;
    window.setWindowTitle("Speech Reference");
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    auto* layout = new QVBoxLayout(client);
    QMenu* actions = window.menuBar()->addMenu("&Actions");
    actions->addAction("Menu Item One");
    QMenu* more = actions->addMenu("Menu Item Two");
    more->addAction("Sub Item One", &window, [&window] {
        QMessageBox::question(&window, "Reference Question", "Choose the sub item?");
    });
    auto* first = new QPushButton("First Button", &window);
    auto* second = new QPushButton("Second Button", &window);
    layout->addWidget(first);
    QPlainTextEdit* log = MakeLogWindow();
    int lineCount = 0;
    const auto addLine = [log, &lineCount] {
        const QString line = QString("Log line %1.").arg(++lineCount);
        log->appendPlainText(line);
        zorikan::ui::Speaker::instance().say(line);
    };
    QObject::connect(first, &QPushButton::clicked, log, addLine);
    auto* twice = new QShortcut(QKeySequence(Qt::Key_Return), first);
    twice->setContext(Qt::WidgetShortcut);
    QObject::connect(twice, &QShortcut::activated, log, [addLine] {
        addLine();
        addLine();
    });
    layout->addWidget(second);
    QObject::connect(second, &QPushButton::clicked, &window, [&window] {
        QMessageBox::information(&window, "Reference Box", "The reference box says hello.");
    });

    auto* group = new QButtonGroup(&window);
    for (const char* choice : {"Choice Alpha", "Choice Beta", "Choice Gamma"}) {
        auto* radio = new QRadioButton(choice, &window);
        group->addButton(radio);
        layout->addWidget(radio);
    }
    auto* list = new QListWidget(&window);
    list->setAccessibleName("Reference List");
    list->addItems({"List Item One", "List Item Two", "List Item Three"});
    list->setCurrentRow(0);
    layout->addWidget(list);
    MakeSideWindow(&window);

    window.show();
    window.activateWindow();
    return app.exec();
}
