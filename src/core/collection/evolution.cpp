#include "core/collection/evolution.h"

#include "core/collection/collection_modes.h"
#include "core/collection/roster.h"
#include "core/data/split_evolutions.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

// Changes the species only: level, experience and counters stay, and the
// list caption becomes the new species' name.
void BecomeSpecies(Game& game, int slot, int species) {
    game.state.RosterSpecies[slot] = species;
    SetRosterListItem(game, slot, game.speciesName(species), species);
    game.state.OwnedFlags[species] = true;
}

bool AskToEvolve(Game& game, int species) {
    return game.port.question(
        Text(text::kAskToEvolve,
             {game.speciesName(species), game.speciesName(game.data.EvolvesInto[species])}));
}

void EvolveIntoNextForm(Game& game, int slot, int species) {
    const int target = game.data.EvolvesInto[species];
    BecomeSpecies(game, slot, target);
    game.port.information(
        Text(text::kEvolved, {game.speciesName(species), game.speciesName(target)}));
}

void OfferSplitChoice(Game& game, int slot, const SplitEvolution& split) {
    game.port.information(Text(text::kChooseSplit, {game.speciesName(split.species)}));
    EvolveChoiceModel& choice = game.screens.main.evolveChoice;
    choice.entries = {Text(text::kDontEvolve)};
    for (int form : split.forms()) choice.entries.push_back(game.speciesName(form));
    choice.selected = 0;
    choice.visible = true;
    game.screens.modes.EvolveSlot = slot;
    game.screens.statistics.rosterListEnabled = false;
    game.screens.statistics.rosterListGreyed = true;
    HoldMenusForSplitChoice(game);
}

// The twin evolver becomes its first form and, three times in four, a second
// creature joins the roster at the same level. True when it evolved.
bool EvolveTwin(Game& game, int slot) {
    const std::string& name = game.speciesName(kTwinEvolver);
    const std::string& first = game.speciesName(kTwinFirstForm);
    const std::string& twin = game.speciesName(kTwinSpecies);
    if (!game.port.question(
            Text(text::kAskToEvolveTwin,
                 {name, game.speciesName(game.data.EvolvesInto[kTwinEvolver]), first, twin})))
        return false;
    BecomeSpecies(game, slot, kTwinFirstForm);
    game.port.information(Text(text::kEvolved, {name, first}));
    const std::uint8_t level = game.state.RosterLevel[slot];
    if (game.rng.Random(4) == 0) {
        game.port.information(Text(text::kTwinMissing, {twin}));
    } else if (game.screens.statistics.rosterCount() >= kRosterSlots) {
        // Nothing is announced that cannot join.
        game.port.information(Text(text::kTwinNoRoom, {twin}));
    } else {
        game.port.information(Text(text::kTwinJoined, {name, twin}));
        AddZRKN(game, kTwinSpecies, twin, level);
    }
    return true;
}

}  // namespace

void EvolveCreature(Game& game, int slot, int species) {
    const std::string& name = game.speciesName(species);
    const int needed = game.data.EvolutionLevel[species];
    const int level = game.state.RosterLevel[slot];
    if (needed == 0 || !IsSpecies(game.data.EvolvesInto[species])) {
        game.port.information(Text(text::kCannotEvolve, {name}));
    } else if (level < needed) {
        game.port.information(Text(text::kNeedsLevels, {name, std::to_string(needed - level)}));
    } else if (const SplitEvolution* split = FindSplitEvolution(species)) {
        OfferSplitChoice(game, slot, *split);
    } else if (species != kTwinEvolver || !EvolveTwin(game, slot)) {
        // After a No the twin evolver is asked again, without the note.
        if (AskToEvolve(game, species)) EvolveIntoNextForm(game, slot, species);
    }
    EndEvolutionMode(game);
}

void SelectEvolveChoice(Game& game, int entry) {
    EvolveChoiceModel& choice = game.screens.main.evolveChoice;
    if (entry >= 0 && entry < static_cast<int>(choice.entries.size())) choice.selected = entry;
}

void EvolveButtonClick(Game& game) {
    EvolveChoiceModel& choice = game.screens.main.evolveChoice;
    if (!choice.visible) return;
    game.screens.statistics.rosterListEnabled = true;
    const int slot = game.screens.modes.EvolveSlot;
    const int old = game.state.RosterSpecies[slot];
    const SplitEvolution* split = FindSplitEvolution(old);
    if (split && choice.selected >= 1 && choice.selected <= split->targetCount) {
        const int target = split->forms()[static_cast<std::size_t>(choice.selected - 1)];
        BecomeSpecies(game, slot, target);
        game.port.information(
            Text(text::kEvolved, {game.speciesName(old), game.speciesName(target)}));
    } else {
        game.port.information(Text(text::kEvolutionCancelled));
    }
    choice.visible = false;
    choice.entries.clear();
    choice.selected = -1;
    game.screens.statistics.rosterListGreyed = false;
    ReleaseMenusAfterSplitChoice(game);
}

}  // namespace zorikan
