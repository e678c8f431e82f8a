#include "core/battle/battle_start.h"

#include "core/collection/item_buttons.h"
#include "core/shared/saturating.h"
#include "core/text/catalogue.h"
#include "core/text/type_words.h"

namespace zorikan {

namespace {

// The opponent's side: name, level, hit points, picture and attack names.
void ShowOpponent(Game& game, int species, int level) {
    ArenaModel& arena = game.screens.main.arena;
    const std::string& name = game.speciesName(species);
    arena.opponentLabel = Text(text::kOpponentLabel, {name, std::to_string(level)});
    arena.opponentImage = species - 1;
    arena.opponentAttacksCaption = Text(text::kOpponentAttacks, {name});
}

void ShowOpponentAttacks(Game& game, int species) {
    ArenaModel& arena = game.screens.main.arena;
    for (int k = 1; k <= 4; ++k)
        arena.opponentAttacks[k - 1] = game.data.AttackNames[game.data.SpeciesAttacks[species][k]];
}

void SetOpponentHp(Game& game, int level) {
    BattleState& b = game.battle;
    b.OppHP = level * 10;
    ArenaModel& arena = game.screens.main.arena;
    arena.opponentGauge.maximum = b.OppHP;
    arena.opponentGauge.position = b.OppHP;
    arena.opponentHpText =
        Text(text::kHitPoints, {std::to_string(b.OppHP), std::to_string(b.OppHP)});
}

// The fighter is chosen in the statistics window: the box that asks for
// one brings it back first, from a minimise too.
void ShowFighterChoice(Game& game) {
    game.setVisible(Window::Statistics, true);
}

}  // namespace

GaugeColour HpColour(int hp, int maximum) {
    if (4 * hp <= maximum) return GaugeColour::Red;
    if (2 * hp <= maximum) return GaugeColour::Yellow;
    return GaugeColour::Green;
}

void ShowHp(HpGauge& gauge, std::string& text, int hp, int maximum) {
    gauge.position = hp;
    gauge.colour = HpColour(hp, maximum);
    text = Text(text::kHitPoints, {std::to_string(hp), std::to_string(maximum)});
}

void StartWildBattle(Game& game, int species, int level) {
    game.screens.main.wildPanel.visible = false;
    game.screens.main.arena.visible = true;
    game.battle.InWildBattle = true;
    game.setVisible(Window::BattleLog, true);
    game.screens.menus.disable(MenuItem::Action1);
    SetOpponentHp(game, level);
    game.battle.OppLevel = static_cast<std::uint8_t>(level);
    game.log(Text(text::kWildAppeared, {game.speciesName(species)}));
    ShowOpponent(game, species, level);
    ShowFighterChoice(game);
    game.port.information(Text(text::kChooseFighterNote));
    game.screens.main.arena.attacksVisible = false;
    ShowOpponentAttacks(game, species);
    game.battle.OppSpecies = species;
}

void StartTrainerBattle(Game& game, int species, int level, const std::string& trainerName) {
    game.screens.menus.disable(MenuItem::Action1);
    game.battle.OppLevel = static_cast<std::uint8_t>(level);
    game.battle.OppSpecies = species;
    game.screens.main.arena.visible = true;
    game.battle.InTrainerBattle = true;
    SetOpponentHp(game, level);
    game.setVisible(Window::BattleLog, true);
    game.log(Text(text::kWantsToFight, {trainerName}));
    game.log(Text(text::kSentOut, {trainerName, game.speciesName(species)}));
    ShowOpponent(game, species, level);
    game.screens.main.arena.attacksVisible = false;
    ShowFighterChoice(game);
    game.port.information(Text(text::kChooseFighterNote));
    ShowOpponentAttacks(game, species);
}

void ConfirmFighter(Game& game, int slot, int species) {
    const GameData& data = game.data;
    const std::string& name = game.speciesName(species);
    const int level = game.state.RosterLevel[slot];
    ShowButtons(game);
    game.log(Text(text::kIChooseYou, {name}));
    StatisticsModel& stats = game.screens.statistics;
    stats.rosterListEnabled = false;
    stats.rosterListGreyed = true;

    ArenaModel& arena = game.screens.main.arena;
    arena.goVisible = true;
    arena.fighterGaugeVisible = true;
    arena.fighterImage = species - 1;
    arena.attacksVisible = true;
    game.screens.menus.disable(MenuItem::File1);
    arena.attackCaption = Text(text::kFighterAttacks, {name});
    for (int k = 1; k <= 4; ++k) {
        const int attack = data.SpeciesAttacks[species][k];
        arena.attackItems[k - 1] =
            Text(text::kAttackItem,
                 {data.AttackNames[attack], TypeWord(data.TypeNames[data.AttackType[attack]])});
    }
    arena.fighterLabel = Text(text::kFighterLabel, {name, std::to_string(level)});
    game.battle.OwnHP = level * 10;
    game.battle.ActiveSlot = slot;
    arena.fighterHpText = Text(
        text::kHitPoints, {std::to_string(game.battle.OwnHP), std::to_string(game.battle.OwnHP)});
    arena.fighterGauge.maximum = game.battle.OwnHP;
    arena.fighterGauge.position = game.battle.OwnHP;
    arena.fighterLabelVisible = true;
    arena.fighterHpVisible = true;
    AddCapped(game.state.Fights, 1);
}

int FighterSpecies(const Game& game) {
    return game.state.RosterSpecies[game.battle.ActiveSlot];
}

const std::string& FighterName(const Game& game) {
    return game.speciesName(FighterSpecies(game));
}

const std::string& OpponentName(const Game& game) {
    return game.speciesName(game.battle.OppSpecies);
}

}  // namespace zorikan
