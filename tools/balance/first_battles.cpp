#include "balance/first_battles.h"

#include <algorithm>

#include "balance/journeys.h"
#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/game/game.h"
#include "core/progress/end_battle.h"
#include "core/progress/wild_search.h"
#include "core/saves/new_game.h"
#include "core/shared/random.h"
#include "core/shared/silent_port.h"

namespace zorikan::balance {

FirstBattlesTally PlayFirstBattles(const GameData& data, int starter, int battles,
                                   std::uint32_t seed) {
    SilentPort port(true);  // Yes to the fighter choice
    SeededRandom random(seed);
    Game game(data, port, random);
    PlayFromCreature(game, starter, kStarterLevel);
    FirstBattlesTally tally;
    for (int b = 0; b < battles; ++b) {
        // Every battle starts from a fresh starter.
        game.state.RosterLevel[1] = kStarterLevel;
        game.state.RosterExp[1] = LevelThreshold(kStarterLevel);
        FindZRKN1Click(game);
        tally.lowestLevel = std::min<int>(tally.lowestLevel, game.battle.OppLevel);
        tally.highestLevel = std::max<int>(tally.highestLevel, game.battle.OppLevel);
        RosterDoubleClick(game, 0);
        game.screens.main.arena.selectedAttack =
            StrongestAttackAgainst(data, starter, game.battle.OppSpecies);
        for (int turn = 0; turn < 1000 && !game.screens.main.arena.endVisible; ++turn)
            GoClick(game);
        if (!game.screens.main.arena.endVisible) break;
        ++tally.fought;
        tally.won += game.battle.BattleKind != 0;
        EndBattle(game);
    }
    return tally;
}

}  // namespace zorikan::balance
