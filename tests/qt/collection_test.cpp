// Evolution, release and the collection page through the real windows: the
// Actions and File menus, the roster list's double-click, the main window's
// split choice and the export's save dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/game_session.h"
#include "core/data/data_file.h"
#include "core/data/split_evolutions.h"
#include "core/model/menu_layout.h"
#include "core/saves/new_game.h"
#include "core/saves/save_load.h"
#include "data_folder.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/evolve_panel.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"

namespace zorikan {
namespace {

using testing::ModalAnswerer;
using testing::WaitFor;

// Stands in for the system's viewer of local files.
class FileViewer : public QObject {
    Q_OBJECT

public:
    FileViewer() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~FileViewer() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class CollectionWindows : public testing::GameWindows {
protected:
    void SetUp() override { startGame(1); }  // species 4 at level 5
    // Puts a creature into the next slot and lists it.
    void addCreature(int species, int level) {
        GameState& s = session.game().state;
        int slot = 1;
        while (s.RosterSpecies[slot] != 0) ++slot;
        s.RosterSpecies[slot] = species;
        s.RosterLevel[slot] = static_cast<std::uint8_t>(level);
        s.RosterExp[slot] = LevelThreshold(level);
        s.OwnedFlags[species] = true;
        RebuildRosterList(session.game());
        session.refresh();
    }
    QString name(int species) {
        return QString::fromStdString(session.data().SpeciesNames[species]);
    }
    QAction* action(MenuItem item) { return session.mainWindow()->menuAction(item); }
    QListView* roster() { return session.statistics()->rosterList(); }
    QString rosterCaption(int row) { return roster()->model()->index(row, 0).data().toString(); }
    // The list view's double-click, as the view reports it to the window;
    // the boxes it opens are answered by the steps queued before.
    void doubleClickRoster(int row) {
        ASSERT_TRUE(roster()->isVisible() && roster()->isEnabled());
        emit roster()->doubleClicked(roster()->model()->index(row, 0));
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }))
            << answers.boxTexts.join(" | ").toStdString();
    }
    void triggerAndAnswer(MenuItem item) {
        action(item)->trigger();
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }))
            << answers.boxTexts.join(" | ").toStdString();
    }
};

TEST_F(CollectionWindows, ASplitEvolutionIsChosenInTheMainWindow) {
    addCreature(133, 100);
    answers.answerBox();
    triggerAndAnswer(MenuItem::Evolve1);
    EXPECT_TRUE(action(MenuItem::Evolve1)->isChecked());
    for (MenuItem item : {MenuItem::ReleaseZRKN1, MenuItem::Tournaments1, MenuItem::FightTrainer1,
                          MenuItem::Buy1, MenuItem::FightWild1})
        EXPECT_FALSE(action(item)->isEnabled()) << item;

    answers.answerBox();  // the statistics
    answers.answerBox();  // "Please select ..."
    doubleClickRoster(1);
    EvolvePanel* panel = session.mainWindow()->evolvePanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(answers.boxTexts.value(2),
              "Please select what you would like to evolve your " + name(133) + " to.");
    EXPECT_EQ(panel->choice()->title(), "Evolve to:");
    EXPECT_EQ(panel->evolveButton()->text(), "Evolve");
    const auto* split = FindSplitEvolution(133);
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(panel->entry(0)->text(), "Don't evolve");
    EXPECT_TRUE(panel->entry(0)->isChecked());
    for (int i = 0; i < split->targetCount; ++i)
        EXPECT_EQ(panel->entry(i + 1)->accessibleName(), name(split->targets[i]));
    EXPECT_EQ(panel->entry(split->targetCount + 1), nullptr);
    // The roster waits greyed, and so do the battles, the Mart and both modes.
    EXPECT_FALSE(roster()->isEnabled());
    EXPECT_EQ(roster()->palette().color(QPalette::Base),
              session.statistics()->palette().color(QPalette::Button));
    EXPECT_FALSE(action(MenuItem::Evolve1)->isChecked());
    for (MenuItem item : {MenuItem::Evolve1, MenuItem::ReleaseZRKN1, MenuItem::Tournaments1,
                          MenuItem::FightTrainer1, MenuItem::Buy1, MenuItem::FightWild1})
        EXPECT_FALSE(action(item)->isEnabled()) << item;

    // A radio button takes clicks on its circle and caption only.
    QTest::mouseClick(panel->entry(3), Qt::LeftButton, {},
                      QPoint(6, panel->entry(3)->height() / 2));
    answers.answerBox();
    QTest::mouseClick(panel->evolveButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_EQ(answers.boxTexts.value(3),
              name(133) + " evolved into " + name(split->targets[2]) + "!");
    EXPECT_EQ(rosterCaption(1), name(split->targets[2]));
    EXPECT_EQ(session.game().state.RosterSpecies[2], split->targets[2]);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(roster()->isEnabled());
    for (MenuItem item : {MenuItem::Evolve1, MenuItem::ReleaseZRKN1, MenuItem::Tournaments1,
                          MenuItem::FightTrainer1, MenuItem::Buy1, MenuItem::FightWild1})
        EXPECT_TRUE(action(item)->isEnabled()) << item;
}

TEST_F(CollectionWindows, APlainEvolutionAsksAndRenamesTheEntry) {
    const GameData& data = session.data();
    const int from = 4;  // the starter
    const int to = data.EvolvesInto[from];
    ASSERT_GT(data.EvolutionLevel[from], 0);
    session.game().state.RosterLevel[1] = data.EvolutionLevel[from];
    answers.answerBox();
    triggerAndAnswer(MenuItem::Evolve1);
    answers.answerBox();
    answers.answerBox(QMessageBox::Yes);
    answers.answerBox();
    doubleClickRoster(0);
    EXPECT_EQ(answers.boxTexts.value(2), "Your " + name(from) + " can evolve into " + name(to) +
                                             ". Do you want to evolve it?");
    EXPECT_EQ(answers.boxTexts.value(3), name(from) + " evolved into " + name(to) + "!");
    EXPECT_EQ(rosterCaption(0), name(to));
    EXPECT_FALSE(action(MenuItem::Evolve1)->isChecked());
    EXPECT_TRUE(action(MenuItem::FightWild1)->isEnabled());
}

TEST_F(CollectionWindows, ReleaseKeepsTheLastCreature) {
    addCreature(7, 12);
    answers.answerBox();
    triggerAndAnswer(MenuItem::ReleaseZRKN1);
    EXPECT_TRUE(action(MenuItem::ReleaseZRKN1)->isChecked());
    EXPECT_FALSE(action(MenuItem::Evolve1)->isEnabled());

    answers.answerBox();
    answers.answerBox(QMessageBox::Yes);
    answers.answerBox();
    doubleClickRoster(0);
    EXPECT_EQ(answers.boxTexts.value(2),
              "Once released, " + name(4) + " will not come back. Release " + name(4) + "?");
    EXPECT_EQ(answers.boxTexts.value(3), name(4) + " was released. Bye, " + name(4) + "!");
    ASSERT_EQ(roster()->model()->rowCount(), 1);
    EXPECT_EQ(rosterCaption(0), name(7));
    EXPECT_FALSE(action(MenuItem::ReleaseZRKN1)->isChecked());
    EXPECT_TRUE(action(MenuItem::Evolve1)->isEnabled());

    answers.answerBox();
    triggerAndAnswer(MenuItem::ReleaseZRKN1);
    EXPECT_EQ(answers.boxTexts.value(4), "You can't release your last ZORIKAN!");
    EXPECT_FALSE(action(MenuItem::ReleaseZRKN1)->isChecked());
}

TEST_F(CollectionWindows, TheExportWritesThePageAndOpensItAsAFileUrl) {
    FileViewer viewer;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Blanks, '#' and '%' survive the way to the viewer; ".htm" is added.
    const QString file = folder.filePath("my #1 100% page.htm");
    answers.chooseFile(folder.filePath("my #1 100% page"));
    answers.answerBox(QMessageBox::Yes);
    triggerAndAnswer(MenuItem::ExportZORIKANinformation1);
    EXPECT_EQ(answers.fileModes.value(0), QFileDialog::AnyFile);
    EXPECT_EQ(answers.boxTexts.value(0),
              "ZORIKAN Information exported to " + file + ". View file now?");
    EXPECT_EQ(answers.boxIcons.value(0), QMessageBox::Information);
    ASSERT_EQ(viewer.opened.size(), 1);
    EXPECT_EQ(viewer.opened[0].toLocalFile(), file);
    QFile page(file);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.startsWith("<html><head>"));
    EXPECT_TRUE(text.contains("<td>1</td><td># 004 " + name(4).toLatin1() + "</td>"));
    EXPECT_TRUE(text.endsWith("</table></body></html>\r\n"));
    page.close();

    // Exporting over it asks first; No to viewing opens nothing.
    answers.chooseFile(file);
    answers.answerBox(QMessageBox::Yes);  // replace the file
    answers.answerBox(QMessageBox::No);
    triggerAndAnswer(MenuItem::ExportZORIKANinformation1);
    EXPECT_TRUE(answers.boxTexts.value(1).contains("already exists"))
        << answers.boxTexts.join("|").toStdString();
    EXPECT_EQ(answers.boxTexts.value(2),
              "ZORIKAN Information exported to " + file + ". View file now?");
    EXPECT_EQ(viewer.opened.size(), 1);
}

TEST_F(CollectionWindows, TheExportReportsWhatWentWrong) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Cancelled: nothing is written and nothing asked.
    answers.then([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
    triggerAndAnswer(MenuItem::ExportZORIKANinformation1);
    EXPECT_TRUE(answers.boxTexts.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    // A folder name that is a file: the error, and no question.
    QFile blocker(folder.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    answers.chooseFile(folder.filePath("plain/page.htm"));
    answers.answerBox();
    triggerAndAnswer(MenuItem::ExportZORIKANinformation1);
    ASSERT_EQ(answers.boxTexts.size(), 1);
    EXPECT_EQ(answers.boxTexts.value(0), "File not found.");

    // The headless platform has no viewer: the page's place is shown.
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "a real viewer would open";
    const QString file = folder.filePath("page.htm");
    answers.chooseFile(file);
    answers.answerBox(QMessageBox::Yes);
    answers.answerBox();
    triggerAndAnswer(MenuItem::ExportZORIKANinformation1);
    EXPECT_EQ(answers.boxTexts.value(2),
              "The page could not be opened. It is saved as " + file + ".");
}

}  // namespace
}  // namespace zorikan

#include "collection_test.moc"
