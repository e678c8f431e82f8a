#include "core/battle/battle_items.h"

#include "core/battle/attack.h"
#include "core/battle/battle_start.h"
#include "core/collection/item_buttons.h"
#include "core/collection/roster.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

void Caught(Game& game) {
    const int species = game.battle.OppSpecies;
    AddZRKN(game, species, game.speciesName(species), game.battle.OppLevel);
    game.battle.BattleKind = 1;
    game.screens.main.arena.endVisible = true;
}

void ThrowBall(Game& game, const ItemRow& ball) {
    game.log(Text(ball.thrown));
    --(game.state.*ball.count);
    const int r = game.rng.Random(ball.power);
    if (BallCatches(r, game.battle.OppHP)) {
        game.log(Text(text::kCaught, {OpponentName(game)}));
        Caught(game);
    } else {
        game.log(Text(text::kNotCaught, {OpponentName(game)}));
        DoOppAttack(game);
    }
    EnableButtons(game);
}

void ThrowSureBall(Game& game, const ItemRow& ball) {
    game.log(Text(ball.thrown));
    game.log(Text(text::kCaught, {OpponentName(game)}));
    Caught(game);
    --(game.state.*ball.count);
}

void DrinkPotion(Game& game, const ItemRow& potion) {
    BattleState& b = game.battle;
    const int max = game.state.RosterLevel[b.ActiveSlot] * 10;
    const int old = b.OwnHP;
    if (b.OwnHP == max) game.log(Text(text::kNoEffect));
    if (b.OwnHP >= max) return;
    --(game.state.*potion.count);
    b.OwnHP += potion.power;
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
    const ItemRow& item = kItems[button];
    switch (item.use) {
        case ItemUse::Ball:
            ThrowBall(game, item);
            break;
        case ItemUse::SureBall:
            ThrowSureBall(game, item);
            break;
        case ItemUse::Potion:
            DrinkPotion(game, item);
            break;
    }
}

}  // namespace zorikan
