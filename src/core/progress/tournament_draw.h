#pragma once
// The eight opponents of a tournament, drawn at entry: distinct trainers,
// species outside the excluded five, levels inside the band with its top
// level five times as likely, and in the two easiest bands only creatures
// that are not an evolution of another species.

#include <array>

#include "core/data/game_data.h"
#include "core/model/tournament_state.h"
#include "core/shared/random.h"

namespace zorikan {

// Species that never enter a tournament.
inline constexpr std::array<int, 5> kTournamentExcluded{129, 132, 201, 235, 349};

// Whether `species` is the evolved form of some species, through the data's
// evolution table or a split evolution.
bool IsEvolvedForm(const GameData& data, int species);

// Draws the whole tournament again from the start until every test passes.
TournamentDraw DrawTournament(const GameData& data, RandomSource& rng, int minLevel, int maxLevel,
                              bool unevolvedOnly);

}  // namespace zorikan
