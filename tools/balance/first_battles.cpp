#include "balance/first_battles.h"

#include <algorithm>

#include "balance/journeys.h"
#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/collection/roster.h"
#include "core/game/game.h"
#include "core/progress/end_battle.h"
#include "core/progress/wild_search.h"
#include "core/shared/random.h"
#include "core/shared/silent_port.h"

namespace zorikan::balance {

FirstBattlesTally PlayFirstBattles(const GameData& data, int starter, int battles,
                                   std::uint32_t seed) {
    SilentPort port(true);  // Yes to the fighter choice
    SeededRandom random(seed);
    Game game(data, port, random);
    game.screens.main.starterListVisible = true;
    AddZRKN(game, starter, game.speciesName(starter), 5);
    game.screens.main.starterListVisible = false;
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;
    FirstBattlesTally tally;
    for (int b = 0; b < battles; ++b) {
        game.state.RosterLevel[1] = 5;  // every battle starts from a fresh level-5 starter
        game.state.RosterExp[1] = 125;
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
