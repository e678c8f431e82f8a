#include "core/progress/tournament_prize.h"

#include <string>

#include "core/progress/battle_rewards.h"
#include "core/shared/saturating.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

using S = GameState;

constexpr PrizeEffect kPrizes[kTournamentBands][kPrizesPerBand] = {
    {{&S::ZoriBalls, 3}, {&S::Potions, 2}, {&S::Money, 2500}},
    {{&S::Potions, 3}, {&S::ZoriBalls, 5}, {&S::Money, 4000}},
    {{&S::GreatBalls, 3}, {&S::UltraBalls, 1}, {&S::SuperPotions, 1}},
    {{&S::SuperPotions, 3}, {&S::GreatBalls, 5}, {&S::Money, 10000}},
    {{&S::UltraBalls, 3}, {&S::Money, 15000}, {&S::GreatBalls, 10}},
    {{&S::MasterBalls, 1}, {&S::Money, 30000}, {nullptr, 1}},
};

void GiveRandomCreature(Game& game) {
    const int species = game.rng.Random(kSpeciesCount) + 1;
    const auto level = static_cast<std::uint8_t>(game.rng.Random(99) + 2);
    GiveCreature(game, species, level);
    game.port.information(
        Text(text::kWonCreature, {std::to_string(level), game.speciesName(species)}));
}

}  // namespace

PrizeEffect TournamentPrize(int band, int column) {
    return kPrizes[band - 1][column - 1];
}

void AwardTournamentPrize(Game& game, int band) {
    int column = game.rng.Random(kPrizesPerBand) + 1;
    const bool rosterFull = game.screens.statistics.rosterCount() >= kRosterSlots;
    if (rosterFull && TournamentPrize(band, column).count == nullptr)
        column = game.rng.Random(kPrizesPerBand - 1) + 1;
    game.port.information(Text(text::kWonPrize, {game.data.TournamentPrizes[band][column]}));
    const PrizeEffect prize = TournamentPrize(band, column);
    if (prize.count)
        AddCapped(game.state.*prize.count, prize.amount);
    else
        GiveRandomCreature(game);
}

}  // namespace zorikan
