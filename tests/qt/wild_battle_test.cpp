// A wild battle played through the real windows: the search menu, the
// fighter chosen in the statistics window, "Go!" until the end, "End Fight".

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <tuple>

#include "app/game_session.h"
#include "core/collection/roster.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/battle_arena.h"
#include "screens/battle_log_window.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"
#include "screens/wild_panel.h"
#include "ui/gauge.h"

namespace zorikan {
namespace {

using testing::DataFolder;
using testing::ModalAnswerer;
using testing::WaitFor;

class WildBattleWindows : public testing::GameWindows {
protected:
    void SetUp() override {
        session.random().reseed(2024);
        startGame(1);  // species 4 at level 5
        session.game().state.RosterLevel[1] = 40;
        session.game().state.RosterExp[1] = 68'900;
        session.refresh();
    }
    QWidget* arenaChild(const char* name) {
        return session.mainWindow()->arena()->findChild<QWidget*>(name);
    }
    QString arenaText(const char* name) {
        return session.mainWindow()->arena()->findChild<QLabel*>(name)->text();
    }
    // The list view's double-click, as the view reports it to the window.
    void doubleClickRoster(int row) {
        QListView* roster = session.statistics()->rosterList();
        ASSERT_TRUE(roster->isVisible() && roster->isEnabled());
        emit roster->doubleClicked(roster->model()->index(row, 0));
    }
};

TEST_F(WildBattleWindows, ASearchedBattleIsPlayedToItsEnd) {
    const std::string fighter = session.data().SpeciesNames[4];
    BattleArena* arena = session.mainWindow()->arena();
    answers.answerBox();
    session.mainWindow()->menuAction(MenuItem::FindZRKN1)->trigger();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_EQ(answers.boxTexts.value(0),
              "Select a ZORIKAN from the Statistics Window. You'll be asked to confirm your "
              "choice.");
    const Game& game = session.game();
    const std::string opponent = session.data().SpeciesNames[game.battle.OppSpecies];
    ASSERT_TRUE(arena->isVisible());
    EXPECT_EQ(arena->title(), "Battle Arena");
    EXPECT_TRUE(session.battleLog()->isVisible());
    EXPECT_EQ(session.battleLog()->lines(),
              QStringList{QString::fromStdString("Wild " + opponent + " appeared!")});
    EXPECT_FALSE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());
    EXPECT_FALSE(arena->goButton()->isVisible());
    const QString level = QString::number(game.battle.OppLevel);
    EXPECT_EQ(arenaText("Label3"), QString::fromStdString("Enemy " + opponent + " L.") + level);
    EXPECT_EQ(arenaText("Label9"), QString("%1/%1").arg(game.battle.OppLevel * 10));
    // The opponent's gauge ends at the same place whatever the name's width.
    auto* gauge2 = static_cast<ui::Gauge*>(arenaChild("Gauge2"));
    EXPECT_EQ(gauge2->x(), arenaChild("Label3")->width() + 80);
    EXPECT_EQ(gauge2->x() + gauge2->width(), 289);
    EXPECT_EQ(gauge2->percent(), 100);

    // The statistics, then the confirmation.
    answers.answerBox();
    answers.answerBox(QMessageBox::Yes);
    doubleClickRoster(0);
    ASSERT_TRUE(WaitFor([&] { return answers.done() && arena->goButton()->isVisible(); }))
        << answers.boxTexts.join(" | ").toStdString();
    EXPECT_EQ(answers.boxTexts.value(2), QString::fromStdString("Choose " + fighter + "?"));
    EXPECT_EQ(answers.boxIcons.value(2), QMessageBox::Question);
    EXPECT_EQ(stat("FightsLbl"), "1");
    EXPECT_FALSE(session.statistics()->rosterList()->isEnabled());
    EXPECT_TRUE(session.statistics()->itemButton(ZoriBallButton)->isVisible());
    EXPECT_EQ(arenaText("Label2"), QString::fromStdString(fighter + " L.40"));
    EXPECT_EQ(arenaText("Label8"), "400/400");
    // A screen reader hears both gauges as progress bars with their hit
    // points, and the attack choice under its own caption.
    const int opponentHp = game.battle.OppLevel * 10;
    for (const auto& [name, spoken, hp] : {std::tuple{"Gauge1", "Your hit points", 400},
                                           {"Gauge2", "Enemy hit points", opponentHp}}) {
        QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(arenaChild(name));
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(gauge->role(), QAccessible::ProgressBar) << name;
        EXPECT_EQ(gauge->text(QAccessible::Name), spoken);
        ASSERT_NE(gauge->valueInterface(), nullptr) << name;
        EXPECT_EQ(gauge->valueInterface()->currentValue().toInt(), hp) << name;
        EXPECT_EQ(gauge->valueInterface()->maximumValue().toInt(), hp) << name;
    }
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(arenaChild("RadioGroup1"))->text(QAccessible::Name),
        QString::fromStdString(fighter + "'s attacks:"));
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(arenaChild("GroupBox2"))->text(QAccessible::Name),
        QString::fromStdString("Enemy " + opponent + "'s Attacks:"));

    QTest::mouseClick(arena->attackItem(3), Qt::LeftButton);
    for (int turn = 0; turn < 200 && !arena->endButton()->isVisible(); ++turn)
        QTest::mouseClick(arena->goButton(), Qt::LeftButton);
    ASSERT_TRUE(arena->endButton()->isVisible());
    EXPECT_FALSE(arena->goButton()->isVisible());
    EXPECT_FALSE(session.statistics()->itemButton(ZoriBallButton)->isVisible());

    // The seed of this game wins the battle.
    const QStringList log = session.battleLog()->lines();
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log[1], QString::fromStdString(fighter + ", I choose you!"));
    EXPECT_EQ(log[log.size() - 4], QString::fromStdString("Enemy " + opponent + " fainted!"));
    // The prize line and the statistics window agree on the money won.
    const QRegularExpressionMatch prize =
        QRegularExpression("^You got (250|500|1000)¥!$").match(log.last());
    ASSERT_TRUE(prize.hasMatch()) << log.last().toStdString();
    EXPECT_EQ(arenaText("Label9"), QString("0/%1").arg(game.battle.OppLevel * 10));
    EXPECT_EQ(gauge2->percent(), 0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(gauge2)->valueInterface()->currentValue(), 0);
    EXPECT_EQ(gauge2->barColour(), QColor(255, 0, 0));
    EXPECT_EQ(stat("MoneyLbl"), prize.captured(1));

    QTest::mouseClick(arena->endButton(), Qt::LeftButton);
    EXPECT_FALSE(arena->isVisible());
    EXPECT_FALSE(session.battleLog()->isVisible());
    EXPECT_TRUE(session.mainWindow()->menuAction(MenuItem::Action1)->isEnabled());
    EXPECT_TRUE(session.statistics()->rosterList()->isEnabled());
    EXPECT_EQ(stat("WinsLbl"), "1");
    EXPECT_EQ(stat("Percent"), "100");
    EXPECT_FALSE(arena->attackItem(3)->isChecked());
}

TEST_F(WildBattleWindows, AnOmnivarOwnerPicksTheOpponentInThePanel) {
    Game& game = session.game();
    answers.answerBox();  // the note that comes with an Omnivar
    AddZRKN(game, 150, game.speciesName(150), 70);
    session.refresh();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));

    answers.answerBox();
    session.mainWindow()->menuAction(MenuItem::FindZRKN1)->trigger();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    WildPanel* panel = session.mainWindow()->wildPanel();
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(panel->speciesList()->count(), 386);
    EXPECT_EQ(panel->speciesList()->itemText(6),
              QString::fromStdString(session.data().SpeciesNames[7] + " (#007)"));
    EXPECT_EQ(panel->speciesList()->currentIndex(), -1);
    EXPECT_EQ(panel->levelBox()->value(), 100);

    // "Go!" without a choice explains itself and starts nothing.
    answers.answerBox();
    QTest::mouseClick(panel->goButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_FALSE(session.mainWindow()->arena()->isVisible());
    EXPECT_TRUE(panel->isVisible());

    panel->speciesList()->setCurrentIndex(385);
    panel->levelBox()->setValue(2);
    answers.answerBox();
    QTest::mouseClick(panel->goButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(session.mainWindow()->arena()->isVisible());
    EXPECT_EQ(game.battle.OppSpecies, 386);
    EXPECT_EQ(game.battle.OppLevel, 2);
}

}  // namespace
}  // namespace zorikan
