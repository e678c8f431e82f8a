#include "core/progress/tournament.h"

#include <algorithm>
#include <string>

#include "core/battle/battle_start.h"
#include "core/progress/end_battle.h"
#include "core/progress/tournament_draw.h"
#include "core/progress/tournament_prize.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

constexpr TournamentBand kBands[kTournamentBands] = {
    {MenuItem::VeryEasyLevels2101, 2, 10, 1000},
    {MenuItem::EasyLevels10301, 10, 30, 2000},
    {MenuItem::IntermediateLevels30501, 30, 50, 3000},
    {MenuItem::HardLevels50701, 50, 70, 5000},
    {MenuItem::VeryHardLevels70991, 70, 99, 7000},
    {MenuItem::SummitCupLevel1001, 100, 100, 10000},
};

const std::string& TrainerOf(const Game& game, int match) {
    return game.data.TournamentTrainers[game.tournament.TournamentTrainerIdx[match]];
}

void StartMatch(Game& game, int match) {
    const TournamentDraw& t = game.tournament;
    StartTrainerBattle(game, t.TournamentSpecies[match], t.TournamentLevels[match],
                       TrainerOf(game, match));
    game.battle.InTournament = true;
}

void ResetBand(Game& game) {
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;
}

// No creature fits the band any more (the experience cap lifted the last one
// out of it): a match that could not be fought is not opened.
void EndWithoutFighters(Game& game) {
    game.port.warning(Text(text::kNoneEligible));
    LevelCatchUpPass(game);
    ResetBand(game);
}

void NextMatch(Game& game, int won) {
    const TournamentDraw& t = game.tournament;
    const int next = won + 1;
    game.port.information(Text(
        text::kNextMatch,
        {TrainerOf(game, won), std::to_string(next), TrainerOf(game, next),
         std::to_string(t.TournamentLevels[next]), game.speciesName(t.TournamentSpecies[next])}));
    ++game.battle.BattleKind;
    StartMatch(game, next);
}

void WinTournament(Game& game, int band) {
    game.port.information(Text(text::kWonTournament, {TrainerOf(game, kTournamentMatches)}));
    LevelCatchUpPass(game);
    ResetBand(game);
    game.battle.InTournament = false;
    AwardTournamentPrize(game, band);
}

}  // namespace

std::span<const TournamentBand> TournamentBands() {
    return kBands;
}

int BandOfItem(MenuItem item) {
    for (int band = 1; band <= kTournamentBands; ++band)
        if (kBands[band - 1].item == item) return band;
    return 0;
}

bool HasEligibleCreature(const Game& game, int minLevel, int maxLevel) {
    const int listed = std::min(game.screens.statistics.rosterCount(), kRosterSlots);
    for (int slot = 1; slot <= listed; ++slot) {
        const int level = game.state.RosterLevel[slot];
        if (game.state.RosterSpecies[slot] > 0 && level >= minLevel && level <= maxLevel)
            return true;
    }
    return false;
}

void EnterTournament(Game& game, int band) {
    if (band < 1 || band > kTournamentBands) return;
    const TournamentBand& b = kBands[band - 1];
    if (!HasEligibleCreature(game, b.minLevel, b.maxLevel)) {
        game.port.warning(Text(text::kNoneEligible));
        return;
    }
    if (game.state.Money < b.fee) {
        game.port.information(Text(text::kNotEnoughMoney));
        return;
    }
    SetUpTournament(game, band);
    // Paid once the first opponent has stepped up; never refunded.
    game.state.Money -= std::min(game.state.Money, b.fee);
}

void SetUpTournament(Game& game, int band) {
    const TournamentBand& b = kBands[band - 1];
    game.state.MinLevel = b.minLevel;
    game.state.MaxLevel = b.maxLevel;
    game.tournament = DrawTournament(game.data, game.rng, b.minLevel, b.maxLevel, band <= 2);
    game.battle.BattleKind = static_cast<std::uint8_t>(band * 10 + 1);
    StartMatch(game, 1);
}

void HandleTournament(Game& game) {
    const int kind = game.battle.BattleKind;
    const int won = kind % 10;
    const int band = kind / 10;
    if (band < 1 || band > kTournamentBands || won < 1 || won > kTournamentMatches) return;
    if (won == kTournamentMatches) {
        WinTournament(game, band);
        return;
    }
    if (!HasEligibleCreature(game, game.state.MinLevel, game.state.MaxLevel)) {
        EndWithoutFighters(game);
        return;
    }
    NextMatch(game, won);
}

}  // namespace zorikan
