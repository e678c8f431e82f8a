// The game follows the desktop's language: the windows, Qt's own buttons and
// the core's templates come from one catalogue, the menus keep their shape
// and keys in every language, and numbers and the saved game never change.

#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <map>
#include <optional>
#include <span>

#include "../core/pinned_game.h"
#include "app/game_session.h"
#include "core/battle/battle_start.h"
#include "core/saves/save_game.h"
#include "core/text/language.h"
#include "data_folder.h"
#include "screens/main_window.h"
#include "ui/game_language.h"
#include "ui/help_window.h"

namespace zorikan {
namespace {

// The locale variables as a test sets them, put back afterwards.
class LocaleVariables {
public:
    explicit LocaleVariables(const std::map<const char*, const char*>& values) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (qEnvironmentVariableIsSet(name)) before_[name] = qgetenv(name);
            qunsetenv(name);
        }
        for (const auto& [name, value] : values) qputenv(name, value);
    }
    ~LocaleVariables() {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            qunsetenv(name);
            if (before_.count(name)) qputenv(name, before_[name]);
        }
    }

private:
    std::map<const char*, QByteArray> before_;
};

// A counted text of the fixture's catalogue, with German's form for each count.
const CountedMessage kWonPotions{ZORIKAN_COUNTED("LanguageFixture", "%1 won %n Potions!"),
                                 "%1 won a Potion!"};

TEST(Language, StartingUnderAGermanLocaleShowsGerman) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows takes the display language, not LANG";
#endif
    LocaleVariables variables(std::map<const char*, const char*>{{"LANG", "de_DE.UTF-8"}});
    const QString chosen = ui::DesktopLanguage();
    ASSERT_EQ(chosen, "de");
    const QChar systemPoint = QLocale::system().decimalPoint().at(0);
    {
        const ui::GameLanguage german(chosen, ZORIKAN_FIXTURE_CATALOGUE);
        EXPECT_TRUE(german.complete());
        // A window's own text, Qt's buttons and a template of the core.
        ui::HelpWindow help;
        EXPECT_EQ(help.windowTitle(), "Hilfe zu ZORIKAN Simulator");
        QMessageBox box(QMessageBox::Question, "ZORIKAN Simulator", "?",
                        QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
        EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nein");
        EXPECT_EQ(Text(ZORIKAN_TEXT("LanguageFixture", "%1 used %2!"), {"Hobkin", "Soot Puff"}),
                  "Soot Puff von Hobkin!");
        EXPECT_EQ(Text(kWonPotions, 1, {"Kell"}), "Kell gewinnt einen Heiltrank!");
        EXPECT_EQ(Text(kWonPotions, 3, {"Kell"}), "Kell gewinnt 3 Heiltränke!");
        // One the catalogue lacks keeps English's form for one.
        const CountedMessage untranslated{ZORIKAN_COUNTED("LanguageFixture", "%n Great Balls"),
                                          "a Great Ball"};
        EXPECT_EQ(Text(untranslated, 1), "a Great Ball");
        // The language's resources are chosen, but numbers keep the system's
        // separator, not German's comma.
        EXPECT_EQ(QLocale().language(), QLocale::German);
        GameSession session({}, testing::DataFolder());
        EXPECT_EQ(session.game().screens.decimalSeparator, systemPoint.toLatin1());
    }
    {
        // Qt's own texts alone do not make the language complete.
        const QTemporaryDir noCatalogue;
        const ui::GameLanguage german(chosen, noCatalogue.path());
        QMessageBox box(QMessageBox::Question, "ZORIKAN Simulator", "?", QMessageBox::Yes);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
        EXPECT_FALSE(german.complete());
    }
    // English again once the language is gone.
    ui::HelpWindow help;
    EXPECT_EQ(help.windowTitle(), "ZORIKAN Simulator Help");
    EXPECT_EQ(Text(ZORIKAN_TEXT("LanguageFixture", "%1 used %2!"), {"Hobkin", "Soot Puff"}),
              "Hobkin used Soot Puff!");
}

// A menu as a translation may not change it: each entry's name, whether it
// opens a menu, whether it has a key (&X), and the same of what it opens.
struct MenuShape {
    QStringList entries;
    QStringList repeatedKeys;
};

void Walk(const QList<QAction*>& actions, const QString& where, MenuShape& shape) {
    QMap<QChar, QString> keys;
    for (QAction* action : actions) {
        QString text = action->text();
        text.replace("&&", "");
        const qsizetype mark = text.indexOf('&');
        const bool hasKey = mark >= 0 && mark + 1 < text.size();
        shape.entries << where + "/" + action->objectName() + (action->isSeparator() ? " -" : "") +
                             (action->menu() ? " >" : "") + (hasKey ? " &" : "");
        if (hasKey) {
            const QChar key = text.at(mark + 1).toLower();
            if (keys.contains(key))
                shape.repeatedKeys << where + ": &" + key + " in \"" + keys[key] + "\" and \"" +
                                          action->text() + "\"";
            keys[key] = action->text();
        }
        if (action->menu())
            Walk(action->menu()->actions(), where + "/" + action->objectName(), shape);
    }
}

MenuShape MainMenus(const QString& language) {
    const ui::GameLanguage installed(language);
    GameSession session({}, testing::DataFolder());
    MenuShape shape;
    Walk(session.mainWindow()->menuBar()->actions(), "", shape);
    return shape;
}

TEST(Language, EveryLanguageKeepsTheMenusShapeWithOneKeyPerEntry) {
    const MenuShape english = MainMenus("en");
    EXPECT_GT(english.entries.size(), 40);
    for (std::string_view language : kGameLanguages) {
        const QString name = QString::fromUtf8(language.data(), language.size());
        const MenuShape shape = MainMenus(name);
        EXPECT_EQ(shape.entries, english.entries) << language;
        EXPECT_EQ(shape.repeatedKeys.join("\n").toStdString(), "") << language;
    }
}

TEST(Language, EveryLanguageShowsItsOwnHelpPage) {
    for (std::string_view language : std::span(kGameLanguages).subspan(1)) {
        const ui::GameLanguage installed(QString::fromUtf8(language.data(), language.size()));
        const ui::HelpWindow help;
        const QString title = help.findChild<QTextBrowser*>("HelpBrowser")->documentTitle();
        EXPECT_NE(title.toStdString(), "ZORIKAN Simulator Help") << language;
        EXPECT_FALSE(title.isEmpty()) << language;
    }
}

// The file a seeded battle leaves, written while `language` is installed.
QByteArray SavedAfterABattle(const QString& language) {
    const ui::GameLanguage installed(language);
    testing::PinnedGame pinned(11, 4, 18, 5832);
    StartWildBattle(pinned.game, 19, 16);
    pinned.fightToTheEnd(1);
    EXPECT_FALSE(pinned.port.log.empty());
    QTemporaryDir dir;
    const QString path = dir.filePath("game.zgs");
    EXPECT_EQ(WriteSaveGameFile(pinned.game.state, path.toStdString()), std::nullopt);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(Language, TheSavedGameIsTheSameInEveryLanguage) {
    const QByteArray english = SavedAfterABattle("en");
    ASSERT_FALSE(english.isEmpty());
    for (std::string_view language : std::span(kGameLanguages).subspan(1))
        EXPECT_TRUE(SavedAfterABattle(QString::fromUtf8(language.data(), language.size())) ==
                    english)
            << language;
}

}  // namespace
}  // namespace zorikan
