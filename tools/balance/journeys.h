#pragma once
// A designer's measure of how hard the journey is for each starter line: the
// line's creature at each trainer's level, using its strongest attack against
// that trainer's creature, fights the creature through the game's own battle
// rules, a few hundred seeded times.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/game_data.h"
#include "core/progress/opponents.h"
#include "core/saves/new_game.h"

namespace zorikan::balance {

inline constexpr int kFightsPerMatchup = 300;
inline constexpr std::uint32_t kJourneySeed = 2026u;
inline constexpr int kFirstBattles = 10'000;
inline constexpr std::uint32_t kFirstBattlesSeed = 2024u;
// Below this share won an opponent is a wall the line cannot pass by levels alone.
inline constexpr double kWall = 0.40;
// At this share or more an opponent is comfortably beaten.
inline constexpr double kComfortable = 0.74;
// An Aldmark leader counts as beaten at this share or more.
inline constexpr double kLeaderBeaten = 0.60;

// The goals of equally good journeys: the lines' mean win rates at most this
// far apart, this many walls each (none among the first four Aldmark
// leaders), at least this many Aldmark leaders beaten, and a first battle
// that a starter wins more often than not without winning it every time.
inline constexpr double kMeanSpread = 0.06;
inline constexpr int kFewestWalls = 3, kMostWalls = 6;
inline constexpr int kFewestLeadersBeaten = 5;
inline constexpr double kFirstBattlesLowest = 0.55, kFirstBattlesHighest = 0.70;

// The trainers of the menus the journey is measured on: every one at level 12
// or above except the one who sends out Omnivar; a series by its first member.
std::vector<const Opponent*> JourneyOpponents();

// Whether `o` is one of the first `upTo` Aldmark leaders, who give badges 1 to 8 in turn.
bool IsAldmarkLeader(const Opponent& o, int upTo);

// The stage of the line starting at `starter` that a creature of that line
// has reached at `level`, evolving at each stage's evolution level.
int StageAtLevel(const GameData& data, int starter, int level);

// The attack slot (0..3) of the species' attack that hits `defender` hardest:
// power times the chart's multipliers for the defender's two types.
int StrongestAttackAgainst(const GameData& data, int species, int defender);

// The share of `fights` seeded battles that the line of `starter` wins
// against `opponent`, both at the opponent's level.
double WinRate(const GameData& data, int starter, const Opponent& opponent, int fights,
               std::uint32_t seed);

struct LineSummary {
    int starter = 0;
    double meanWinRate = 0;
    int comfortable = 0;       // opponents beaten at kComfortable or more
    int walls = 0;             // opponents won against less than kWall
    int wallsInFirstFour = 0;  // walls among the first four Aldmark leaders
    int aldmarkBeaten = 0;     // Aldmark leaders beaten at kLeaderBeaten or more
};

struct Journey {
    std::vector<const Opponent*> opponents;
    std::vector<std::array<double, 3>> winRates;  // per opponent, per starter line
    std::array<LineSummary, 3> lines;
};

// Every journey opponent against every starter line, `fights` battles each.
Journey MeasureJourney(const GameData& data, int fights, std::uint32_t seed);

// What the data must keep for three equally good journeys, each broken goal
// as one line of text; none when all hold. `firstBattles` is each line's
// share of first battles won, in the order of kStarterSpecies.
std::vector<std::string> UnmetGoals(const GameData& data, const Journey& journey,
                                    const std::array<double, 3>& firstBattles);

}  // namespace zorikan::balance
