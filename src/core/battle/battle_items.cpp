#include "core/battle/battle_items.h"

#include "core/battle/attack.h"
#include "core/battle/battle_start.h"
#include "core/collection/item_buttons.h"
#include "core/collection/roster.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

struct Ball {
    std::uint32_t GameState::*count;
    int limit;
    const Message& throwLine;
};

constexpr Ball kBalls[3] = {
    {&GameState::ZoriBalls, 50, text::kThrewZoriBall},
    {&GameState::GreatBalls, 100, text::kThrewGreatBall},
    {&GameState::UltraBalls, 250, text::kThrewUltraBall},
};

void Caught(Game& game) {
    const int species = game.battle.OppSpecies;
    AddZRKN(game, species, game.speciesName(species), game.battle.OppLevel);
    game.battle.BattleKind = 1;
    game.screens.main.arena.endVisible = true;
}

void ThrowBall(Game& game, const Ball& ball) {
    game.log(Text(ball.throwLine));
    --(game.state.*ball.count);
    const int r = game.rng.Random(ball.limit);
    if (BallCatches(r, game.battle.OppHP)) {
        game.log(Text(text::kCaught, {OpponentName(game)}));
        Caught(game);
    } else {
        game.log(Text(text::kNotCaught, {OpponentName(game)}));
        DoOppAttack(game);
    }
    EnableButtons(game);
}

void ThrowMasterBall(Game& game) {
    game.log(Text(text::kThrewMasterBall));
    game.log(Text(text::kCaught, {OpponentName(game)}));
    Caught(game);
    --game.state.MasterBalls;
}

void DrinkPotion(Game& game, std::uint32_t GameState::*count, int amount) {
    BattleState& b = game.battle;
    const int max = game.state.RosterLevel[b.ActiveSlot] * 10;
    const int old = b.OwnHP;
    if (b.OwnHP == max) game.log(Text(text::kNoEffect));
    if (b.OwnHP >= max) return;
    --(game.state.*count);
    b.OwnHP += amount;
    EnableButtons(game);
    if (b.OwnHP > max) b.OwnHP = max;
    game.log(Text(text::kRecovered, {FighterName(game), std::to_string(b.OwnHP - old)}));
    // The opponent's attack redraws the fighter's gauge with the restored HP.
    DoOppAttack(game);
}

}  // namespace

void UseItem(Game& game, ItemButton button) {
    const StatisticsModel& view = game.screens.statistics;
    if (button < 0 || button >= kItemButtonCount || !view.itemButtonsVisible ||
        !view.itemButtonEnabled[button])
        return;
    switch (button) {
        case ZoriBallButton:
        case GreatBallButton:
        case UltraBallButton:
            ThrowBall(game, kBalls[button]);
            break;
        case MasterBallButton:
            ThrowMasterBall(game);
            break;
        case PotionButton:
            DrinkPotion(game, &GameState::Potions, 50);
            break;
        case SuperPotionButton:
            DrinkPotion(game, &GameState::SuperPotions, 100);
            break;
        default:
            break;
    }
}

}  // namespace zorikan
