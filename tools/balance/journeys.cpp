#include "balance/journeys.h"

#include <algorithm>
#include <cmath>

#include "core/battle/battle_start.h"
#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/game/game.h"
#include "core/progress/end_battle.h"
#include "core/progress/wild_search.h"
#include "core/shared/random.h"
#include "core/shared/silent_port.h"

namespace zorikan::balance {

namespace {

constexpr int kFirstJourneyLevel = 12;
constexpr int kAldmarkLeaders = 8;
constexpr int kFirstFour = 4;

}  // namespace

bool IsAldmarkLeader(const Opponent& o, int upTo) {
    return o.rule == KindRule::Leader && o.number >= 1 && o.number <= upTo;
}

std::vector<const Opponent*> JourneyOpponents() {
    std::vector<const Opponent*> journey;
    for (const Opponent& o : Opponents())
        if (o.level >= kFirstJourneyLevel && o.species != kOmnivar) journey.push_back(&o);
    return journey;
}

int StageAtLevel(const GameData& data, int starter, int level) {
    int species = starter;
    for (int step = 0; step < kSpeciesCount; ++step) {
        const int next = data.EvolvesInto[species];
        const int needed = data.EvolutionLevel[species];
        if (needed == 0 || level < needed || next < 1 || next > kSpeciesCount) break;
        species = next;
    }
    return species;
}

int StrongestAttackAgainst(const GameData& data, int species, int defender) {
    const auto& attacks = data.SpeciesAttacks[species];
    double bestDamage = -1;
    int best = 0;
    for (int k = 0; k < 4; ++k) {
        const int a = attacks[k + 1];
        const int type = data.AttackType[a];
        const double damage = static_cast<double>(data.AttackPower[a]) *
                              data.TypeChart[type][data.SpeciesType1[defender]] *
                              data.TypeChart[type][data.SpeciesType2[defender]];
        if (damage > bestDamage) {
            bestDamage = damage;
            best = k;
        }
    }
    return best;
}

double WinRate(const GameData& data, int starter, const Opponent& opponent, int fights,
               std::uint32_t seed) {
    SilentPort port(true);  // Yes to every fighter choice
    SeededRandom random(seed);
    Game game(data, port, random);
    const int level = opponent.level;
    const int species = StageAtLevel(data, starter, level);
    PlayFromCreature(game, species, static_cast<std::uint8_t>(level));
    const int slot = StrongestAttackAgainst(data, species, opponent.species);
    int won = 0;
    for (int f = 0; f < fights; ++f) {
        // Every fight starts from the same creature: no level gained carries over.
        game.state.RosterLevel[1] = static_cast<std::uint8_t>(level);
        game.state.RosterExp[1] = LevelThreshold(static_cast<std::uint32_t>(level));
        StartTrainerBattle(game, opponent.species, level, std::string(opponent.trainer));
        game.battle.BattleKind = kOrdinaryBattle;  // no badges, gifts or series
        RosterDoubleClick(game, 0);
        game.screens.main.arena.selectedAttack = slot;
        // Two creatures that cannot touch each other would fight for ever: a fight
        // still going after 1000 turns counts as not won.
        for (int turn = 0; turn < 1000 && !game.screens.main.arena.endVisible; ++turn)
            GoClick(game);
        won += game.screens.main.arena.endVisible && game.battle.BattleKind != 0;
        EndBattle(game);
    }
    return fights > 0 ? static_cast<double>(won) / fights : 0;
}

Journey MeasureJourney(const GameData& data, int fights, std::uint32_t seed) {
    Journey journey;
    journey.opponents = JourneyOpponents();
    for (std::size_t i = 0; i < journey.opponents.size(); ++i) {
        std::array<double, 3> rates{};
        for (std::size_t l = 0; l < kStarterSpecies.size(); ++l)
            // A seed of its own per matchup: one row does not move when another changes.
            rates[l] = WinRate(data, kStarterSpecies[l], *journey.opponents[i], fights,
                               seed + static_cast<std::uint32_t>(i * kStarterSpecies.size() + l));
        journey.winRates.push_back(rates);
    }
    for (std::size_t l = 0; l < kStarterSpecies.size(); ++l) {
        LineSummary& line = journey.lines[l];
        line.starter = kStarterSpecies[l];
        double sum = 0;
        for (std::size_t i = 0; i < journey.opponents.size(); ++i) {
            const double rate = journey.winRates[i][l];
            const Opponent& o = *journey.opponents[i];
            sum += rate;
            line.comfortable += rate >= kComfortable;
            line.walls += rate < kWall;
            line.wallsInFirstFour += rate < kWall && IsAldmarkLeader(o, kFirstFour);
            line.aldmarkBeaten += rate >= kLeaderBeaten && IsAldmarkLeader(o, kAldmarkLeaders);
        }
        if (!journey.opponents.empty()) line.meanWinRate = sum / journey.opponents.size();
    }
    return journey;
}

std::vector<std::string> UnmetGoals(const GameData& data, const Journey& journey,
                                    const std::array<double, 3>& firstBattles) {
    std::vector<std::string> unmet;
    auto percent = [](double share) { return std::to_string(std::lround(share * 100)) + " %"; };
    double lowest = 1, highest = 0;
    for (std::size_t l = 0; l < kStarterSpecies.size(); ++l) {
        const LineSummary& line = journey.lines[l];
        const std::string& name = data.SpeciesNames[line.starter];
        lowest = std::min(lowest, line.meanWinRate);
        highest = std::max(highest, line.meanWinRate);
        if (line.walls < kFewestWalls || line.walls > kMostWalls)
            unmet.push_back(name + " meets " + std::to_string(line.walls) + " walls, not " +
                            std::to_string(kFewestWalls) + " to " + std::to_string(kMostWalls));
        if (line.wallsInFirstFour > 0)
            unmet.push_back(name + " meets a wall among the first four Aldmark leaders");
        if (line.aldmarkBeaten < kFewestLeadersBeaten)
            unmet.push_back(name + " beats " + std::to_string(line.aldmarkBeaten) +
                            " Aldmark leaders, fewer than " + std::to_string(kFewestLeadersBeaten));
        if (firstBattles[l] < kFirstBattlesLowest || firstBattles[l] > kFirstBattlesHighest)
            unmet.push_back(name + " wins " + percent(firstBattles[l]) + " of its first battles");
    }
    if (highest - lowest > kMeanSpread)
        unmet.push_back("the mean win rates lie " + percent(highest - lowest) + " apart");
    return unmet;
}

}  // namespace zorikan::balance
