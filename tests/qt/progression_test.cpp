// Progress through the real windows: a leader beaten from the menu gives
// its badge and opens the next leader; a tournament entered from the menu
// goes from a won match straight to the next opponent.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/game_session.h"
#include "core/data/data_file.h"
#include "core/model/menu_layout.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "game_windows.h"
#include "modal_helper.h"
#include "screens/battle_arena.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"

namespace zorikan {
namespace {

using testing::ModalAnswerer;
using testing::WaitFor;

class ProgressionWindows : public testing::GameWindows {
protected:
    void SetUp() override {
        session.random().reseed(7);
        startGame(0);
    }
    void setFighterLevel(int level) {
        session.game().state.RosterLevel[1] = static_cast<std::uint8_t>(level);
        session.game().state.RosterExp[1] = static_cast<std::uint32_t>(level * level * level);
    }
    // Chooses the player's creature in the statistics window: its statistics, then Yes.
    void sendOutFirst() {
        answers.answerBox();
        answers.answerBox(QMessageBox::Yes);
        QListView* roster = session.statistics()->rosterList();
        emit roster->doubleClicked(roster->model()->index(0, 0));
        ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
        ASSERT_TRUE(session.mainWindow()->arena()->goButton()->isVisible());
    }
    // The opponent is worn down to its last hit point; "Go!" finishes it.
    void winWithGo() {
        BattleArena* arena = session.mainWindow()->arena();
        session.game().battle.OppHP = 1;
        QTest::mouseClick(arena->attackItem(testing::HittingAttack(session.game())),
                          Qt::LeftButton);
        QTest::mouseClick(arena->goButton(), Qt::LeftButton);
        ASSERT_TRUE(arena->endButton()->isVisible());
    }
};

TEST_F(ProgressionWindows, TheFirstLeaderGivesABadgeAndOpensTheNext) {
    setFighterLevel(30);
    TForm4* main = session.mainWindow();
    ASSERT_TRUE(main->menuAction(MenuItem::Dorn1)->isEnabled());
    ASSERT_FALSE(main->menuAction(MenuItem::Nerissa1)->isEnabled());
    answers.answerBox();
    main->menuAction(MenuItem::Dorn1)->trigger();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_TRUE(main->arena()->isVisible());
    EXPECT_FALSE(main->menuAction(MenuItem::Action1)->isEnabled());
    EXPECT_EQ(session.game().battle.BattleKind, 3);

    sendOutFirst();
    winWithGo();
    answers.answerBox();
    QTest::mouseClick(main->arena()->endButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_EQ(answers.boxTexts.last(),
              QString::fromStdString("You earned the " + session.data().BadgeNames[1] + "!"));
    EXPECT_FALSE(main->arena()->isVisible());
    EXPECT_TRUE(main->menuAction(MenuItem::Action1)->isEnabled());
    EXPECT_TRUE(main->menuAction(MenuItem::Nerissa1)->isEnabled());
    EXPECT_FALSE(main->menuAction(MenuItem::LtHarker1)->isEnabled());
    EXPECT_EQ(stat("WinsLbl"), "1");
    EXPECT_EQ(session.game().state.BadgeCount, 1);
}

TEST_F(ProgressionWindows, ATournamentGoesFromAWonMatchToTheNextOpponent) {
    setFighterLevel(10);
    Game& game = session.game();
    game.state.Money = 1000;
    TForm4* main = session.mainWindow();
    answers.answerBox();
    main->menuAction(MenuItem::VeryEasyLevels2101)->trigger();
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    EXPECT_EQ(stat("MoneyLbl"), "0");
    EXPECT_EQ(game.battle.BattleKind, 11);
    EXPECT_TRUE(game.battle.InTournament);

    sendOutFirst();
    // Potions wait outside the tournament.
    EXPECT_FALSE(session.statistics()->itemButton(PotionButton)->isEnabled());
    winWithGo();
    const TournamentDraw& t = game.tournament;
    const auto trainer = [&](int m) {
        return game.data.TournamentTrainers[t.TournamentTrainerIdx[m]];
    };
    const std::string next = "Congratulations! You beat " + trainer(1) +
                             "! Next up is trainer #2, " + trainer(2) + " with a L." +
                             std::to_string(t.TournamentLevels[2]) + " " +
                             game.data.SpeciesNames[t.TournamentSpecies[2]] + ".";
    answers.answerBox();
    answers.answerBox();
    QTest::mouseClick(main->arena()->endButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return answers.done(); }));
    ASSERT_GE(answers.boxTexts.size(), 2);
    EXPECT_EQ(answers.boxTexts[answers.boxTexts.size() - 2], QString::fromStdString(next));
    EXPECT_EQ(answers.boxTexts.last(),
              "Select a ZORIKAN from the Statistics Window. You'll be asked to confirm your "
              "choice.");
    EXPECT_TRUE(main->arena()->isVisible());
    EXPECT_FALSE(main->menuAction(MenuItem::Action1)->isEnabled());
    EXPECT_EQ(game.battle.BattleKind, 12);
    EXPECT_EQ(game.battle.OppSpecies, t.TournamentSpecies[2]);
    EXPECT_EQ(stat("WinsLbl"), "1");
    EXPECT_TRUE(session.statistics()->rosterList()->isEnabled());
}

TEST_F(ProgressionWindows, EveryOpponentAndTournamentItemHasItsAction) {
    std::vector<MenuItem> parents{MenuItem::FightTrainer1, MenuItem::Tournaments1};
    int leaves = 0;
    for (std::size_t i = 0; i < parents.size(); ++i)
        for (const MenuEntry& entry : MainMenuLayout()) {
            if (entry.parent != parents[i]) continue;
            const bool hasChildren =
                std::any_of(MainMenuLayout().begin(), MainMenuLayout().end(),
                            [&](const MenuEntry& e) { return e.parent == entry.item; });
            if (hasChildren) {
                parents.push_back(entry.item);
                continue;
            }
            ++leaves;
            EXPECT_TRUE(session.mainWindow()->hasCommand(entry.item)) << entry.item;
        }
    EXPECT_EQ(leaves, 45 + 6);
}

}  // namespace
}  // namespace zorikan
