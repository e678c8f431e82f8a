#include "core/progress/tournament_draw.h"

#include <algorithm>

#include "core/data/split_evolutions.h"

namespace zorikan {

namespace {

bool DrawTrainers(TournamentDraw& draw, RandomSource& rng) {
    for (int m = 1; m <= kTournamentMatches; ++m)
        draw.TournamentTrainerIdx[m] =
            static_cast<std::uint8_t>(rng.Random(kTournamentTrainerCount) + 1);
    auto sorted = draw.TournamentTrainerIdx;
    std::sort(sorted.begin() + 1, sorted.end());
    return std::adjacent_find(sorted.begin() + 1, sorted.end()) == sorted.end();
}

bool DrawSpecies(TournamentDraw& draw, RandomSource& rng) {
    for (int m = 1; m <= kTournamentMatches; ++m)
        draw.TournamentSpecies[m] = rng.Random(kSpeciesCount) + 1;
    for (int m = 1; m <= kTournamentMatches; ++m)
        if (std::find(kTournamentExcluded.begin(), kTournamentExcluded.end(),
                      draw.TournamentSpecies[m]) != kTournamentExcluded.end())
            return false;
    return true;
}

void DrawLevels(TournamentDraw& draw, RandomSource& rng, int minLevel, int maxLevel) {
    // Four extra draws above the band all mean its top level.
    for (int m = 1; m <= kTournamentMatches; ++m) {
        const int level = minLevel + rng.Random(maxLevel - minLevel + 5);
        draw.TournamentLevels[m] = static_cast<std::uint8_t>(std::min(level, maxLevel));
    }
}

}  // namespace

bool IsEvolvedForm(const GameData& data, int species) {
    for (int s = 1; s <= kSpeciesCount; ++s)
        if (data.EvolvesInto[s] == species) return true;
    for (const SplitEvolution& split : kSplitEvolutions)
        if (std::find(split.forms().begin(), split.forms().end(), species) != split.forms().end())
            return true;
    return false;
}

TournamentDraw DrawTournament(const GameData& data, RandomSource& rng, int minLevel, int maxLevel,
                              bool unevolvedOnly) {
    TournamentDraw draw;
    for (;;) {
        if (!DrawTrainers(draw, rng)) continue;
        if (!DrawSpecies(draw, rng)) continue;
        DrawLevels(draw, rng, minLevel, maxLevel);
        const auto evolved = [&](std::int32_t species) { return IsEvolvedForm(data, species); };
        if (unevolvedOnly &&
            std::any_of(draw.TournamentSpecies.begin() + 1, draw.TournamentSpecies.end(), evolved))
            continue;
        return draw;
    }
}

}  // namespace zorikan
