#include "core/game/freshen.h"

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
    for (const ItemRow& row : kItems) view.itemCounts[row.item] = std::to_string(s.*row.count);
    if (auto percent = WinPercentage(s.Wins, s.Losses, game.screens.decimalSeparator))
        view.percent = *percent;
    view.registered = std::to_string(RegisteredCount(s));
}

}  // namespace zorikan
