#include "core/progress/tournament_prize.h"

#include <string>

#include "core/progress/battle_rewards.h"
#include "core/shared/saturating.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

constexpr PrizeEffect Items(ItemButton item, std::uint32_t amount) {
    return {PrizeEffect::Items, item, amount};
}
constexpr PrizeEffect Yen(std::uint32_t amount) {
    return {PrizeEffect::Money, ZoriBallButton, amount};
}
constexpr PrizeEffect kRandomCreature = {PrizeEffect::Creature, ZoriBallButton, 1};

constexpr PrizeEffect kPrizes[kTournamentBands][kPrizesPerBand] = {
    {Items(ZoriBallButton, 3), Items(PotionButton, 2), Yen(2500)},
    {Items(PotionButton, 3), Items(ZoriBallButton, 5), Yen(4000)},
    {Items(GreatBallButton, 3), Items(UltraBallButton, 1), Items(SuperPotionButton, 1)},
    {Items(SuperPotionButton, 3), Items(GreatBallButton, 5), Yen(10000)},
    {Items(UltraBallButton, 3), Yen(15000), Items(GreatBallButton, 10)},
    {Items(MasterBallButton, 1), Yen(30000), kRandomCreature},
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

std::string PrizeAnnouncement(const PrizeEffect& prize) {
    switch (prize.kind) {
        case PrizeEffect::Items:
            return Text(kItems[prize.item].prize, static_cast<int>(prize.amount));
        case PrizeEffect::Money:
            return Text(text::kWonMoney, {std::to_string(prize.amount)});
        case PrizeEffect::Creature:
            break;
    }
    return Text(text::kWonRandomCreature);
}

void AwardTournamentPrize(Game& game, int band) {
    int column = game.rng.Random(kPrizesPerBand) + 1;
    const bool rosterFull = game.screens.statistics.rosterCount() >= kRosterSlots;
    if (rosterFull && TournamentPrize(band, column).kind == PrizeEffect::Creature)
        column = game.rng.Random(kPrizesPerBand - 1) + 1;
    const PrizeEffect prize = TournamentPrize(band, column);
    game.port.information(PrizeAnnouncement(prize));
    if (prize.kind == PrizeEffect::Items)
        AddCapped(game.state.*kItems[prize.item].count, prize.amount);
    else if (prize.kind == PrizeEffect::Money)
        AddCapped(game.state.Money, prize.amount);
    else
        GiveRandomCreature(game);
}

}  // namespace zorikan
