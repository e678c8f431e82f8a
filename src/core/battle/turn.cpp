#include "core/battle/turn.h"

#include "core/battle/attack.h"
#include "core/battle/battle_start.h"
#include "core/collection/item_buttons.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

void EndTurns(Game& game) {
    HideButtons(game);
    game.screens.main.arena.endVisible = true;
    game.screens.main.arena.goVisible = false;
}

void Run(Game& game) {
    BattleState& b = game.battle;
    if (b.InTrainerBattle && !b.InTournament) game.log(Text(text::kNoRunning));
    if (b.InWildBattle) {
        game.log(Text(text::kGotAway));
        b.BattleKind = 0;
        EndTurns(game);
    }
    if (b.InTournament) QuitPenalty(game);
}

}  // namespace

void GoClick(Game& game) {
    // "Go!" exists only while the battle is being fought.
    if (!game.screens.main.arena.goVisible) return;
    const int selected = game.screens.main.arena.selectedAttack;
    if (selected >= 0 && selected <= 3) {
        DoOwnAttack(game);
        if (game.battle.OppHP > 0) DoOppAttack(game);
    } else if (selected == kRunItem) {
        Run(game);
    }
}

void QuitPenalty(Game& game) {
    GameState& s = game.state;
    const int slot = game.battle.ActiveSlot;
    // 5% rounded half up, in 64 bits so a huge loaded experience cannot wrap.
    const auto loss = static_cast<std::uint32_t>((std::uint64_t{s.RosterExp[slot]} + 10) / 20);
    const std::string& name = FighterName(game);
    game.log(Text(text::kQuitTournament, {name, std::to_string(loss)}));
    s.RosterExp[slot] -= loss;
    while (s.RosterExp[slot] < LevelThreshold(s.RosterLevel[slot])) {
        --s.RosterLevel[slot];
        game.log(Text(text::kLostALevel, {name}));
    }
    game.battle.BattleKind = 0;
    game.battle.InTournament = false;
    EndTurns(game);
}

bool ClosingCostsTournamentPenalty(const Game& game) {
    const BattleState& b = game.battle;
    const ArenaModel& arena = game.screens.main.arena;
    if (!b.InTournament) return false;
    if (arena.goVisible) return true;  // a match is being fought
    // Before any fighter was sent out, no creature has fought for the match.
    if (!arena.endVisible) return false;
    // A lost match or the eighth win has already decided the tournament.
    return b.BattleKind != 0 && b.BattleKind % 10 != 8;
}

void ClosingMainWindow(Game& game) {
    if (ClosingCostsTournamentPenalty(game)) QuitPenalty(game);
}

}  // namespace zorikan
