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
    {84, text::kCoastalChampionNext, "Balfour", 376, 100, "Aurelio", 85},
    {83, text::kNextSeriesMember, "Nivala", 330, 100, "Balfour", 84},
    {82, text::kNextSeriesMember, "Oona", 365, 100, "Nivala", 83},
    {81, text::kNextSeriesMember, "Jarek", 354, 100, "Oona", 82},
    {74, text::kLowlandChampionNext, "Caspian", 65, 100, "Roderic", 75},
    {73, text::kNextSeriesMember, "Hester", 149, 100, "Caspian", 74},
    {72, text::kNextSeriesMember, "Torvald", 94, 100, "Hester", 73},
    {71, text::kNextSeriesMember, "Halla", 95, 100, "Torvald", 72},
    {7, text::kHighlandChampionNext, "Delphine", 149, 50, "Caspian", kHighlandChampion},
    {6, text::kNextSeriesMember, "Torvald", 94, 45, "Delphine", 7},
    {5, text::kNextSeriesMember, "Ishmar", 95, 43, "Torvald", 6},
    {4, text::kNextSeriesMember, "Ansel", 205, 43, "Ishmar", 5},
};

// A champion of the Lowland or Coastal Grand Four: a bonus on every win, a
// legendary creature on the first.
struct Champion {
    std::uint8_t kind;
    const Message& box;
    std::string_view champion;
    bool GameState::*giftGiven;
    int giftSpecies;
};

constexpr Champion kChampions[] = {
    {kCoastalChampion, text::kBeatCoastalChampion, "Aurelio", &GameState::Gift386Given, 386},
    {kLowlandChampion, text::kBeatLowlandChampion, "Roderic", &GameState::Gift385Given, 385},
};

void RewardChampion(Game& game, const Champion& champion) {
    game.port.information(Text(champion.box, {champion.champion, std::to_string(kChampionBonus)}));
    AddCapped(game.state.Money, kChampionBonus);
    if (game.state.*champion.giftGiven) return;
    game.state.*champion.giftGiven = true;
    game.port.information(Text(text::kChampionGift, {game.speciesName(champion.giftSpecies)}));
    GiveCreature(game, champion.giftSpecies, 5);
}

void NextMember(Game& game, const SeriesStep& step) {
    game.port.information(Text(step.box, {step.beaten, step.trainer}));
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
