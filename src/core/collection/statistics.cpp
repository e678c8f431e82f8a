#include "core/collection/statistics.h"

#include <algorithm>

namespace zorikan {

std::optional<std::string> WinPercentage(std::uint32_t wins, std::uint32_t losses,
                                         char decimalSeparator) {
    const std::uint64_t battles = std::uint64_t{wins} + losses;
    if (battles == 0) return std::nullopt;
    const std::uint64_t hundredths = std::uint64_t{wins} * 10000 / battles;
    std::string text = std::to_string(hundredths / 100);
    std::uint64_t fraction = hundredths % 100;
    if (fraction != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

void Freshen(Game& game) {
    const GameState& s = game.state;
    StatisticsModel& view = game.screens.statistics;
    view.money = std::to_string(s.Money);
    view.fights = std::to_string(s.Fights);
    view.wins = std::to_string(s.Wins);
    view.catches = std::to_string(s.Catches);
    view.losses = std::to_string(s.Losses);
    view.itemCounts = {std::to_string(s.ZoriBalls),  std::to_string(s.GreatBalls),
                       std::to_string(s.UltraBalls), std::to_string(s.MasterBalls),
                       std::to_string(s.Potions),    std::to_string(s.SuperPotions)};
    if (auto percent = WinPercentage(s.Wins, s.Losses, game.screens.decimalSeparator))
        view.percent = *percent;
    view.registered = std::to_string(RegisteredCount(s));
}

void EnableButtons(Game& game) {
    const GameState& s = game.state;
    const BattleState& b = game.battle;
    auto& enabled = game.screens.statistics.itemButtonEnabled;
    enabled = {s.ZoriBalls > 0,   s.GreatBalls > 0, s.UltraBalls > 0,
               s.MasterBalls > 0, s.Potions > 0,    s.SuperPotions > 0};

    const int listed = game.screens.statistics.rosterCount();
    bool ownsOmnivar = false;
    for (int slot = 1; slot <= std::min(listed, kRosterSlots); ++slot)
        if (s.RosterSpecies[slot] == kOmnivar) ownsOmnivar = true;
    // Only one Omnivar may be held at a time, trainers' creatures cannot be
    // caught, and a full roster has no room for another creature.
    const bool noBalls = (ownsOmnivar && game.screens.main.arena.opponentImage == kOmnivar - 1) ||
                         b.InTrainerBattle || (b.InWildBattle && listed == kRosterSlots);
    if (noBalls)
        for (int ball = ZoriBallButton; ball <= MasterBallButton; ++ball) enabled[ball] = false;
    if (b.InTournament) enabled[PotionButton] = enabled[SuperPotionButton] = false;
}

void ShowButtons(Game& game) {
    EnableButtons(game);
    game.screens.statistics.itemButtonsVisible = true;
}

void HideButtons(Game& game) {
    game.screens.statistics.itemButtonsVisible = false;
}

std::string SpeciesNumber(int species) {
    std::string digits = std::to_string(species);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

std::string CreatureStatistics(const Game& game, int slot, int species) {
    const GameState& s = game.state;
    const std::uint32_t level = s.RosterLevel[slot];
    const std::uint32_t exp = s.RosterExp[slot];
    // Computed in 64 bits: a loaded game may hold experience far past the cap.
    // A level that lags behind its experience (after a tournament match or an
    // elite series) has the next level already earned: nothing more to gain.
    long long toNext =
        level < kMaxLevel ? static_cast<long long>(LevelThreshold(level + 1)) - exp : 0;
    if (toNext < 0) toNext = 0;
    return "# " + SpeciesNumber(species) + " " + game.speciesName(species) + ", L." +
           std::to_string(level) + ", XP:" + std::to_string(exp) +
           ", XP to next level:" + std::to_string(toNext);
}

}  // namespace zorikan
