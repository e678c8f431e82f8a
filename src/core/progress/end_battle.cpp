#include "core/progress/end_battle.h"

#include <algorithm>

#include "core/collection/item_buttons.h"
#include "core/progress/battle_rewards.h"
#include "core/progress/elite_series.h"
#include "core/progress/tournament.h"
#include "core/shared/saturating.h"

namespace zorikan {

namespace {

void CountOutcome(Game& game) {
    GameState& s = game.state;
    const std::uint8_t kind = game.battle.BattleKind;
    if (kind == 0) {
        LevelCatchUpPass(game);
        // A lost tournament match counts once more here.
        if (game.battle.InTournament) AddCapped(s.Losses, 1);
        s.MinLevel = 2;
        s.MaxLevel = 100;
    }
    if (kind == 1) AddCapped(s.Catches, 1);
    if (kind >= 2) AddCapped(s.Wins, 1);
}

void ReturnToIdle(Game& game) {
    ArenaModel& arena = game.screens.main.arena;
    arena.endVisible = false;
    arena.selectedAttack = -1;
    BattleState& b = game.battle;
    b.InTrainerBattle = false;
    b.InTournament = false;
    b.InWildBattle = false;
    game.screens.menus.enable(MenuItem::File1);
    game.screens.menus.enable(MenuItem::Action1);
    arena.fighterGaugeVisible = false;
    arena.fighterHpVisible = false;
    game.setVisible(Window::BattleLog, false);
    arena.fighterLabelVisible = false;
    arena.visible = false;
    game.screens.statistics.rosterListEnabled = true;
    arena.fighterGauge.colour = GaugeColour::Green;
    arena.opponentGauge.colour = GaugeColour::Green;
    arena.fighterImage = -1;
    arena.attacksVisible = false;
    game.screens.statistics.rosterListGreyed = false;
}

}  // namespace

void LevelCatchUpPass(Game& game) {
    GameState& s = game.state;
    const int listed = std::min(game.screens.statistics.rosterCount(), kRosterSlots);
    for (int slot = 1; slot <= listed; ++slot) CatchUpLevel(s.RosterLevel[slot], s.RosterExp[slot]);
}

void EndBattle(Game& game) {
    HideButtons(game);
    CountOutcome(game);
    AwardBadge(game);
    AwardFirstWin(game);
    ReturnToIdle(game);
    // The next battle of a series or a tournament starts from the idle window.
    ContinueSeries(game);
    const std::uint8_t kind = game.battle.BattleKind;
    if (kind > 10 && kind < 70) HandleTournament(game);
}

}  // namespace zorikan
