#include "core/battle/battle_items.h"

#include "core/battle/attack.h"
#include "core/battle/battle_start.h"
#include "core/collection/item_buttons.h"
#include "core/collection/roster.h"

namespace zorikan {

namespace {

struct Ball {
    std::uint32_t GameState::*count;
    int limit;
    const char* throwLine;
};

constexpr Ball kBalls[3] = {
    {&GameState::ZoriBalls, 50, "You threw a ZORIBall."},
    {&GameState::GreatBalls, 100, "You threw a Great Ball."},
    {&GameState::UltraBalls, 250, "You threw an Ultra Ball."},
};

void Caught(Game& game) {
    const int species = game.battle.OppSpecies;
    AddZRKN(game, species, game.speciesName(species), game.battle.OppLevel);
    game.battle.BattleKind = 1;
    game.screens.main.arena.endVisible = true;
}

void ThrowBall(Game& game, const Ball& ball) {
    game.log(ball.throwLine);
    --(game.state.*ball.count);
    const int r = game.rng.Random(ball.limit);
    if (BallCatches(r, game.battle.OppHP)) {
        game.log("You caught " + OpponentName(game) + "!");
        Caught(game);
    } else {
        game.log("Sorry, " + OpponentName(game) + " wasn't caught.");
        DoOppAttack(game);
    }
    EnableButtons(game);
}

void ThrowMasterBall(Game& game) {
    game.log("You threw a Master Ball.");
    game.log("You caught " + OpponentName(game) + "!");
    Caught(game);
    --game.state.MasterBalls;
}

void DrinkPotion(Game& game, std::uint32_t GameState::*count, int amount) {
    BattleState& b = game.battle;
    const int max = game.state.RosterLevel[b.ActiveSlot] * 10;
    const int old = b.OwnHP;
    if (b.OwnHP == max) game.log("It won't have any effect.");
    if (b.OwnHP >= max) return;
    --(game.state.*count);
    b.OwnHP += amount;
    EnableButtons(game);
    if (b.OwnHP > max) b.OwnHP = max;
    game.log(FighterName(game) + " recovered " + std::to_string(b.OwnHP - old) + " HP!");
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
