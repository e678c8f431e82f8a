#pragma once
// The window tests' game: the real session and windows over the real data,
// with the starter chosen as a new game chooses it, and a player who answers
// the boxes.

#include <gtest/gtest.h>

#include <QLabel>
#include <functional>

#include "app/game_session.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "data_folder.h"
#include "modal_helper.h"
#include "screens/main_window.h"
#include "screens/statistics_window.h"

namespace zorikan::testing {

// The first attack (0..3) of the fighter that can hurt the opponent.
inline int HittingAttack(const Game& game) {
    const GameData& d = game.data;
    const int fighter = game.state.RosterSpecies[game.battle.ActiveSlot];
    const int opponent = game.battle.OppSpecies;
    for (int slot = 1; slot <= 4; ++slot) {
        const int type = d.AttackType[d.SpeciesAttacks[fighter][slot]];
        if (d.TypeChart[type][d.SpeciesType1[opponent]] != 0 &&
            d.TypeChart[type][d.SpeciesType2[opponent]] != 0)
            return slot - 1;
    }
    return 0;
}

class GameWindows : public ::testing::Test {
protected:
    // Loads the data and chooses starter `entry` (0..2); `beforeStarter`
    // may set up the game first. Returns once the windows show the game.
    void startGame(int entry, const std::function<void(Game&)>& beforeStarter = {}) {
        ASSERT_FALSE(LoadGameDataFile(ZORIKAN_DATA_FILE, session.data()));
        Game& game = session.game();
        game.state.MinLevel = 2;
        game.state.MaxLevel = 100;
        if (beforeStarter) beforeStarter(game);
        game.phase = GamePhase::ChoosingStarter;
        ChooseStarter(game, entry);
        session.refresh();
        ASSERT_TRUE(WaitFor([&] {
            return session.mainWindow()->isVisible() && session.statistics()->isVisible();
        }));
    }
    // A value the statistics window shows.
    QString stat(const char* label) {
        return session.statistics()->findChild<QLabel*>(label)->text();
    }

    GameSession session{{}, DataFolder()};
    ModalAnswerer answers;
};

}  // namespace zorikan::testing
