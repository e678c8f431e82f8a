#include "core/progress/elite_series.h"

#include <string>

#include "core/battle/battle_start.h"
#include "core/progress/battle_rewards.h"
#include "core/progress/opponents.h"
#include "core/shared/saturating.h"

namespace zorikan {

namespace {

constexpr std::uint32_t kChampionBonus = 7500;

constexpr SeriesStep kSteps[] = {
    {84,
     "You have proven your worth against the Coastal Grand Four. Now, it is time for you to "
     "fight the Coastal Grand Four Champion: Aurelio!",
     376, 100, "Aurelio", 85},
    {83, "Congratulations! You beat Nivala! Your next opponent is Balfour.", 330, 100, "Balfour",
     84},
    {82, "Congratulations! You beat Oona! Your next opponent is Nivala.", 365, 100, "Nivala", 83},
    {81, "Congratulations! You beat Jarek! Your next opponent is Oona.", 354, 100, "Oona", 82},
    {74,
     "You have proven your worth against the Lowland Grand Four. Now, it is time for you to "
     "fight the Lowland Grand Four Champion: Roderic!",
     65, 100, "Roderic", 75},
    {73, "Congratulations! You beat Hester! Your next opponent is Caspian.", 149, 100, "Caspian",
     74},
    {72, "Congratulations! You beat Torvald! Your next opponent is Hester.", 94, 100, "Hester", 73},
    {71, "Congratulations! You beat Halla! Your next opponent is Torvald.", 95, 100, "Torvald", 72},
    {7,
     "You have proven your worth against the Highland Grand Four. Now, it is time for you to "
     "fight the Highland Grand Four Champion: Caspian!",
     149, 50, "Caspian", kHighlandChampion},
    {6, "Congratulations! You beat Torvald! Your next opponent is Delphine.", 94, 45, "Delphine",
     7},
    {5, "Congratulations! You beat Ishmar! Your next opponent is Torvald.", 95, 43, "Torvald", 6},
    {4, "Congratulations! You beat Ansel! Your next opponent is Ishmar.", 205, 43, "Ishmar", 5},
};

// A champion of the Lowland or Coastal Grand Four: a bonus on every win, a
// legendary creature on the first.
struct Champion {
    std::uint8_t kind;
    std::string_view box;
    bool GameState::*giftGiven;
    int giftSpecies;
};

constexpr Champion kChampions[] = {
    {kCoastalChampion,
     "You beat Aurelio, the Coastal Grand Four champion! You get a bonus of 7500¥!",
     &GameState::Gift386Given, 386},
    {kLowlandChampion,
     "You beat Roderic, the Lowland Grand Four champion! You get a bonus of 7500¥!",
     &GameState::Gift385Given, 385},
};

void RewardChampion(Game& game, const Champion& champion) {
    game.port.information(std::string(champion.box));
    AddCapped(game.state.Money, kChampionBonus);
    if (game.state.*champion.giftGiven) return;
    game.state.*champion.giftGiven = true;
    game.port.information("Also, you get a " + game.speciesName(champion.giftSpecies) + " at L.5!");
    GiveCreature(game, champion.giftSpecies, 5);
}

void NextMember(Game& game, const SeriesStep& step) {
    game.port.information(std::string(step.box));
    StartTrainerBattle(game, step.species, step.level, std::string(step.trainer));
    std::uint8_t kind = step.nextKind;
    // Once the Brennar leaders are open the Highland champion was beaten before.
    if (kind == kHighlandChampion && game.screens.menus.isEnabled(MenuItem::BrennarGymLeaders1))
        kind = kOrdinaryBattle;
    game.battle.BattleKind = kind;
}

}  // namespace

std::span<const SeriesStep> SeriesSteps() {
    return kSteps;
}

void ContinueSeries(Game& game) {
    // The champions' kinds are above every member's, so they are checked first.
    for (const Champion& champion : kChampions)
        if (game.battle.BattleKind == champion.kind) RewardChampion(game, champion);
    for (const SeriesStep& step : kSteps)
        if (game.battle.BattleKind == step.wonKind) NextMember(game, step);
}

}  // namespace zorikan
