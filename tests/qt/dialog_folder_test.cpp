// Where the file dialogs start: saved games and exported pages go to the
// player's documents folder, music comes from the music folder, not from
// wherever the game was started; each dialog stands over the window it came from.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_session.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/main_window.h"
#include "screens/title_window.h"
#include "ui/saved_game_dialog.h"

namespace zorikan {
namespace {

using testing::ModalAnswerer;
using testing::WaitFor;

// A home folder of the test's own, with no folder settings of the desktop,
// so the documents folder is <home>/Documents.
class ScopedHome {
public:
    ScopedHome() : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
    }
    ~ScopedHome() {
        qputenv("HOME", oldHome_);
        if (oldConfig_.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig_);
    }
    QString documents() const { return home.filePath("Documents"); }

    QTemporaryDir home;

private:
    QByteArray oldHome_;
    QByteArray oldConfig_;
};

class DialogFolders : public ::testing::Test {
protected:
    // Queues a step that notes the next file dialog's folder and cancels it.
    void noteFolderAndCancel() {
        answers.then([this](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) {
                answers.unexpected.push_back(w->metaObject()->className());
                return;
            }
            folders.push_back(QDir::cleanPath(dialog->directory().absolutePath()));
            centres.push_back(dialog->frameGeometry().center());
            QMetaObject::invokeMethod(dialog, "reject");
        });
    }

    ScopedHome home;
    ModalAnswerer answers;
    QStringList folders;
    QList<QPoint> centres;
};

TEST_F(DialogFolders, TheTitlesDialogsStartInTheDocumentsFolderAndMakeIt) {
    ASSERT_TRUE(home.home.isValid());
    ASSERT_FALSE(QDir(home.documents()).exists());
    GameSession session({}, testing::DataFolder());
    session.start();
    ASSERT_TRUE(WaitFor([&] { return session.title()->isVisible(); }));

    noteFolderAndCancel();
    QTest::mouseClick(session.title()->findChild<QPushButton*>("LoadButton"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    noteFolderAndCancel();
    QTest::mouseClick(session.title()->findChild<QPushButton*>("NewButton"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));

    EXPECT_TRUE(answers.unexpected.isEmpty());
    EXPECT_EQ(folders, QStringList({home.documents(), home.documents()}));
    // Both stand over the title window, the new game's too, although it
    // belongs to the main window, which is not on screen yet.
    ASSERT_EQ(centres.size(), 2);
    for (const QPoint& centre : centres)
        EXPECT_LE((centre - session.title()->frameGeometry().center()).manhattanLength(), 2);
    EXPECT_TRUE(QDir(home.documents()).exists());
    // Cancelling either leaves the player at the title.
    EXPECT_TRUE(session.title()->isVisible());
    EXPECT_FALSE(session.mainWindow()->isVisible());
}

TEST_F(DialogFolders, SavingElsewhereStartsBesideTheFileThatFailed) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    noteFolderAndCancel();
    const QString chosen =
        ui::AskForSavedGame(nullptr, ui::SavedGameDialog::Save, other.filePath("locked.zgs"));
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(folders, QStringList{QDir::cleanPath(other.path())});
}

TEST_F(DialogFolders, SavingOverAGameAsksOnceTheDialogHasClosedAndNoGoesBackToIt) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    const QString existing = other.filePath("kept.zgs");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // No: the dialog comes back, beside the file, and a cancel there replaces nothing.
    answers.chooseFile(existing);
    answers.answerBox(QMessageBox::No);
    noteFolderAndCancel();
    EXPECT_TRUE(ui::AskForSavedGame(nullptr, ui::SavedGameDialog::Save).isEmpty());
    // Yes: the file is the player's choice.
    answers.chooseFile(existing);
    answers.answerBox(QMessageBox::Yes);
    EXPECT_EQ(ui::AskForSavedGame(nullptr, ui::SavedGameDialog::Save), existing);
    // A file not there yet is taken without a question.
    answers.chooseFile(other.filePath("new.zgs"));
    EXPECT_EQ(ui::AskForSavedGame(nullptr, ui::SavedGameDialog::Save), other.filePath("new.zgs"));

    EXPECT_TRUE(answers.unexpected.isEmpty()) << answers.unexpected.join(",").toStdString();
    ASSERT_EQ(answers.boxTexts.size(), 2);
    for (const QString& text : answers.boxTexts)
        EXPECT_EQ(text, "kept.zgs already exists.\nDo you want to replace it?");
    EXPECT_EQ(answers.boxTitles, QStringList({"Save game as", "Save game as"}));
    EXPECT_EQ(folders, QStringList{QDir::cleanPath(other.path())});
}

TEST(FreeSavedGameName, ABroughtGameNeverReplacesOneOfTheSameName) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* held : {"web.zgs", "web (2).zgs", "a.b.zgs", "plain.zgs"}) {
        QFile file(folder.filePath(held));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const struct {
        const char* brought;
        const char* stored;
    } rows[] = {
        {"new.zgs", "new.zgs"},      // a free name is kept
        {"web.zgs", "web (3).zgs"},  // the first free number
        {"a.b.zgs", "a.b (2).zgs"},  // only the last suffix is the suffix
        {"plain", "plain (2).zgs"},  // a saved game's suffix, and then its number
        {"notes.ZGS", "notes.ZGS"},  // the player's own spelling of it stays
    };
    for (const auto& row : rows)
        EXPECT_EQ(ui::FreeSavedGameName(folder.path(), row.brought), folder.filePath(row.stored))
            << row.brought;
}

TEST_F(DialogFolders, WithoutADocumentsFolderTheDialogsStartAtHome) {
    // A plain file where the folder should be: it cannot be made.
    QFile blocker(home.documents());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(QDir::cleanPath(ui::DocumentsFolder()), QDir::cleanPath(home.home.path()));
    noteFolderAndCancel();
    ui::AskForSavedGame(nullptr, ui::SavedGameDialog::Open);
    EXPECT_EQ(folders, QStringList{QDir::cleanPath(home.home.path())});
}

TEST_F(DialogFolders, TheExportStartsInTheDocumentsAndTheMusicInTheMusicFolder) {
    GameSession session{{}, testing::DataFolder()};
    ASSERT_FALSE(LoadGameDataFile(ZORIKAN_DATA_FILE, session.data()));
    Game& game = session.game();
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;
    game.phase = GamePhase::ChoosingStarter;
    ChooseStarter(game, 0);
    session.refresh();
    ASSERT_TRUE(WaitFor([&] { return session.mainWindow()->isVisible(); }));

    noteFolderAndCancel();
    session.mainWindow()->menuAction(MenuItem::ExportZORIKANinformation1)->trigger();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_TRUE(answers.unexpected.isEmpty());
    EXPECT_EQ(folders, QStringList{home.documents()});

    // The music dialog starts in the music folder the desktop names, and in
    // the documents folder while that folder does not exist.
    QDir(home.home.path()).mkpath(".config");
    QFile dirs(home.home.filePath(".config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_MUSIC_DIR=\"$HOME/Tunes\"\n");
    dirs.close();
    for (bool made : {false, true}) {
        if (made) QDir(home.home.path()).mkpath("Tunes");
        noteFolderAndCancel();
        session.mainWindow()->menuAction(MenuItem::Openfile1)->trigger();
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    }
    EXPECT_EQ(folders, QStringList({home.documents(), home.documents(),
                                    QDir::cleanPath(home.home.filePath("Tunes"))}));
}

}  // namespace
}  // namespace zorikan
