// Evolution mode and the evolution of a double-clicked creature: refusals,
// the plain question, the split choices and the twin evolver. Names and
// evolution levels come from the loaded data.

#include "core/collection/evolution.h"

#include <functional>

#include "core/battle/fighter_choice.h"
#include "core/collection/collection_modes.h"
#include "core/collection/roster.h"
#include "core/data/split_evolutions.h"
#include "core/model/menu_layout.h"
#include "game_fixture.h"

namespace zorikan::testing {
namespace {

constexpr MenuItem kModeItems[] = {MenuItem::ReleaseZRKN1, MenuItem::Tournaments1,
                                   MenuItem::FightTrainer1, MenuItem::Buy1, MenuItem::FightWild1};

class EvolutionTest : public GameTest {
protected:
    const std::string& name(int species) const { return game.data.SpeciesNames[species]; }
    int evolutionLevel(int species) const { return game.data.EvolutionLevel[species]; }

    // The first species in number order that `wanted` accepts.
    int findSpecies(const std::function<bool(int)>& wanted) const {
        for (int s = 1; s <= kSpeciesCount; ++s)
            if (wanted(s)) return s;
        ADD_FAILURE() << "no such species in the data";
        return 1;
    }
    // A species with a single evolution, other than the twin evolver.
    int plainEvolver(const std::function<bool(int)>& also = [](int) { return true; }) const {
        return findSpecies([&](int s) {
            return evolutionLevel(s) > 0 && !FindSplitEvolution(s) && s != kTwinEvolver && also(s);
        });
    }
    // Evolution mode on, then the double-click on list entry `index`.
    void evolveEntry(int index) {
        Evolve1Click(game);
        port.clear();
        RosterDoubleClick(game, index);
    }
    bool allEnabled(std::initializer_list<MenuItem> items) const {
        for (auto item : items)
            if (!game.screens.menus.isEnabled(item)) return false;
        return true;
    }
    bool noneEnabled(std::initializer_list<MenuItem> items) const {
        for (auto item : items)
            if (game.screens.menus.isEnabled(item)) return false;
        return true;
    }
};

TEST_F(EvolutionTest, TheMenuItemSwitchesTheModeAndFiveItems) {
    startPlaying({{1, 5}});
    Evolve1Click(game);
    EXPECT_TRUE(game.screens.modes.EvolutionMode);
    EXPECT_TRUE(game.screens.menus.isChecked(MenuItem::Evolve1));
    for (auto item : kModeItems) EXPECT_FALSE(game.screens.menus.isEnabled(item)) << item;
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Evolve1));
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{
                  "Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have "
                  "doubleclicked on a ZORIKAN, Evolution Mode will be disabled."});

    port.clear();
    Evolve1Click(game);
    EXPECT_FALSE(game.screens.modes.EvolutionMode);
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::Evolve1));
    for (auto item : kModeItems) EXPECT_TRUE(game.screens.menus.isEnabled(item)) << item;
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{"Evolution Mode cancelled."});
}

TEST_F(EvolutionTest, ACreatureBelowItsLevelOrAFinalFormIsRefused) {
    // The level-16 creature of a species that evolves at 20 is 4 levels short.
    const int grower = plainEvolver([&](int s) { return evolutionLevel(s) == 20; });
    const int final = findSpecies([&](int s) { return evolutionLevel(s) == 0; });
    startPlaying({{grower, 16}, {final, 100}});

    evolveEntry(0);
    const auto shown = port.boxes(Shown::Information);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].rfind("# ", 0), 0u) << "the statistics come first";
    EXPECT_EQ(shown[1],
              "Your " + name(grower) + " needs to grow 4 more level(s) before it can evolve.");
    EXPECT_EQ(game.state.RosterSpecies[1], grower);
    // The mode ends even so.
    EXPECT_FALSE(game.screens.modes.EvolutionMode);
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::Evolve1));
    for (auto item : kModeItems) EXPECT_TRUE(game.screens.menus.isEnabled(item)) << item;

    evolveEntry(1);
    EXPECT_EQ(port.boxes(Shown::Information).back(), name(final) + " can't evolve.");
    EXPECT_EQ(game.state.RosterSpecies[2], final);
    EXPECT_FALSE(game.screens.modes.EvolutionMode);

    // A split species and the twin evolver wait for their level like any other:
    // no choice is offered and no question asked a level early.
    for (int species : {44, kTwinEvolver}) {
        ASSERT_GT(evolutionLevel(species), 2) << species;
        startPlaying({{species, evolutionLevel(species) - 1}});
        evolveEntry(0);
        EXPECT_EQ(port.boxes(Shown::Information).back(),
                  "Your " + name(species) + " needs to grow 1 more level(s) before it can evolve.");
        EXPECT_FALSE(game.screens.main.evolveChoice.visible) << species;
        EXPECT_EQ(game.state.RosterSpecies[1], species);
        EXPECT_EQ(game.screens.statistics.rosterCount(), 1);
    }
}

TEST_F(EvolutionTest, YesChangesTheSpeciesOnly) {
    const int from = plainEvolver([&](int s) {
        return !game.state.OwnedFlags[game.data.EvolvesInto[s]] && evolutionLevel(s) < 100;
    });
    const int to = game.data.EvolvesInto[from];
    const int level = evolutionLevel(from);
    startPlaying({{4, 7}, {from, level}});
    game.screens.statistics.rosterList[1].caption = "Sprout";  // a caption of its own
    game.state.RosterExp[2] = 123'456;
    game.state.Wins = 3;
    const GameState before = game.state;

    Evolve1Click(game);
    port.clear();
    port.answers = {true};
    RosterDoubleClick(game, 1);
    EXPECT_EQ(port.boxes(Shown::Question),
              std::vector<std::string>{"Your " + name(from) + " can evolve into " + name(to) +
                                       ". Do you want to evolve it?"});
    EXPECT_EQ(port.boxes(Shown::Information).back(),
              name(from) + " evolved into " + name(to) + "!");
    EXPECT_EQ(game.state.RosterSpecies[2], to);
    EXPECT_EQ(game.state.RosterLevel[2], level);
    EXPECT_EQ(game.state.RosterExp[2], 123'456u);
    EXPECT_TRUE(game.state.OwnedFlags[to]);
    EXPECT_EQ(game.screens.statistics.rosterList[1], (RosterListItem{name(to), to - 1}));
    // No ZORIDEX log line and no viewer, unlike a new creature.
    EXPECT_TRUE(port.log.empty());
    EXPECT_TRUE(port.boxes(Shown::ShowWindow).empty());
    GameState expected = before;
    expected.RosterSpecies[2] = to;
    expected.OwnedFlags[to] = true;
    EXPECT_EQ(game.state, expected);
    EXPECT_FALSE(game.screens.modes.EvolutionMode);
}

TEST_F(EvolutionTest, NoLeavesTheCreatureAsItWas) {
    const int from = plainEvolver();
    startPlaying({{from, 100}});
    const GameState before = game.state;
    port.answers = {false};
    evolveEntry(0);
    EXPECT_EQ(port.boxes(Shown::Question).size(), 1u);
    EXPECT_EQ(game.state, before);
    EXPECT_EQ(game.screens.statistics.rosterList[0].imageIndex, from - 1);
    EXPECT_FALSE(game.screens.modes.EvolutionMode);
    for (auto item : kModeItems) EXPECT_TRUE(game.screens.menus.isEnabled(item)) << item;
}

TEST_F(EvolutionTest, SplitSpeciesOfferTheirFormsAfterDontEvolve) {
    // The game's own table: the data's test holds it to the designed one.
    for (const SplitEvolution& split : kSplitEvolutions) {
        const int species = split.species;
        const std::span<const int> forms = split.forms();
        SCOPED_TRACE(species);
        startPlaying({{1, 5}, {species, 100}});
        evolveEntry(1);
        EXPECT_TRUE(port.boxes(Shown::Question).empty());
        EXPECT_EQ(port.boxes(Shown::Information).back(),
                  "Please select what you would like to evolve your " + name(species) + " to.");
        const EvolveChoiceModel& choice = game.screens.main.evolveChoice;
        std::vector<std::string> expected{"Don't evolve"};
        for (int form : forms) expected.push_back(name(form));
        EXPECT_EQ(choice.entries, expected);
        EXPECT_EQ(choice.selected, 0);
        EXPECT_TRUE(choice.visible);
        EXPECT_EQ(game.screens.modes.EvolveSlot, 2);
        EXPECT_FALSE(game.screens.statistics.rosterListEnabled);
        EXPECT_TRUE(game.screens.statistics.rosterListGreyed);
        // Nothing changes until "Evolve".
        EXPECT_EQ(game.state.RosterSpecies[2], species);
        EXPECT_FALSE(game.screens.modes.EvolutionMode);
        EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::Evolve1));

        SelectEvolveChoice(game, static_cast<int>(forms.size()));
        port.clear();
        EvolveButtonClick(game);
        EXPECT_EQ(game.state.RosterSpecies[2], forms.back());
        EXPECT_EQ(
            port.boxes(Shown::Information),
            std::vector<std::string>{name(species) + " evolved into " + name(forms.back()) + "!"});
        EXPECT_FALSE(game.screens.main.evolveChoice.visible);
    }
}

TEST_F(EvolutionTest, EvolveCompletesTheChosenForm) {
    startPlaying({{133, 40}, {1, 5}});
    game.state.RosterExp[1] = 70'000;
    evolveEntry(0);
    SelectEvolveChoice(game, 2);  // the second alternative
    SelectEvolveChoice(game, 9);  // no such entry: the choice stays
    port.clear();
    EvolveButtonClick(game);

    EXPECT_EQ(game.state.RosterSpecies[1], 135);
    EXPECT_EQ(game.state.RosterLevel[1], 40);
    EXPECT_EQ(game.state.RosterExp[1], 70'000u);
    EXPECT_TRUE(game.state.OwnedFlags[135]);
    EXPECT_EQ(game.screens.statistics.rosterList[0], (RosterListItem{name(135), 134}));
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{name(133) + " evolved into " + name(135) + "!"});
    const EvolveChoiceModel& choice = game.screens.main.evolveChoice;
    EXPECT_FALSE(choice.visible);
    EXPECT_TRUE(choice.entries.empty());
    EXPECT_TRUE(game.screens.statistics.rosterListEnabled);
    EXPECT_FALSE(game.screens.statistics.rosterListGreyed);

    // The button does nothing once the choice is gone.
    port.clear();
    EvolveButtonClick(game);
    EXPECT_TRUE(port.shown.empty());
}

TEST_F(EvolutionTest, DontEvolveCancelsAndFreesTheList) {
    startPlaying({{366, 100}});
    const GameState before = game.state;
    evolveEntry(0);
    port.clear();
    EvolveButtonClick(game);
    EXPECT_EQ(port.boxes(Shown::Information), std::vector<std::string>{"Evolution cancelled."});
    EXPECT_EQ(game.state, before);
    EXPECT_TRUE(game.screens.statistics.rosterListEnabled);
    EXPECT_FALSE(game.screens.statistics.rosterListGreyed);
    EXPECT_FALSE(game.screens.main.evolveChoice.visible);
}

TEST_F(EvolutionTest, APendingChoiceHoldsBattlesShopAndModesUntilEvolve) {
    startPlaying({{44, 100}, {1, 5}});
    evolveEntry(0);
    // The double-click's last step would enable them; with no creature that
    // could be chosen, a battle must not start.
    EXPECT_TRUE(noneEnabled({MenuItem::Tournaments1, MenuItem::FightTrainer1, MenuItem::Buy1,
                             MenuItem::FightWild1, MenuItem::ReleaseZRKN1, MenuItem::Evolve1}));
    // Nor does a mode that ends meanwhile enable them.
    EndReleaseMode(game);
    EndEvolutionMode(game);
    EXPECT_TRUE(noneEnabled({MenuItem::Tournaments1, MenuItem::FightTrainer1, MenuItem::Buy1,
                             MenuItem::FightWild1, MenuItem::ReleaseZRKN1, MenuItem::Evolve1}));
    EXPECT_TRUE(SplitChoicePending(game));

    EvolveButtonClick(game);
    EXPECT_FALSE(SplitChoicePending(game));
    EXPECT_TRUE(allEnabled({MenuItem::Tournaments1, MenuItem::FightTrainer1, MenuItem::Buy1,
                            MenuItem::FightWild1, MenuItem::ReleaseZRKN1, MenuItem::Evolve1}));
}

class TwinEvolutionTest : public EvolutionTest, public ::testing::WithParamInterface<int> {};

TEST_P(TwinEvolutionTest, OneDrawDecidesTheSecondCreature) {
    const int draw = GetParam();
    const int level = std::max<int>(evolutionLevel(kTwinEvolver), 30);
    startPlaying({{1, 5}, {kTwinEvolver, level}});
    game.state.OwnedFlags[kTwinSpecies] = false;
    random.draws = {draw};
    port.answers = {true};
    evolveEntry(1);

    const std::string& twin = name(kTwinSpecies);
    EXPECT_EQ(port.boxes(Shown::Question),
              std::vector<std::string>{"Your " + name(kTwinEvolver) + " can evolve into " +
                                       name(game.data.EvolvesInto[kTwinEvolver]) +
                                       ". Do you want to evolve it? NOTE: " + name(kTwinEvolver) +
                                       " will evolve into " + name(kTwinFirstForm) + " AND " +
                                       twin + " every 3 of 4 times."});
    EXPECT_EQ(random.ranges, std::vector<int>{4}) << "one draw of four outcomes";
    EXPECT_EQ(game.state.RosterSpecies[2], kTwinFirstForm);
    EXPECT_TRUE(game.state.OwnedFlags[kTwinFirstForm]);
    EXPECT_EQ(game.screens.statistics.rosterList[1].imageIndex, kTwinFirstForm - 1);
    auto shown = port.boxes(Shown::Information);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[1], name(kTwinEvolver) + " evolved into " + name(kTwinFirstForm) + "!");
    if (draw == 0) {
        EXPECT_EQ(shown[2], twin + " didn't appear.");
        EXPECT_EQ(game.screens.statistics.rosterCount(), 2);
        EXPECT_EQ(game.state.RosterSpecies[3], 0);
        EXPECT_FALSE(game.state.OwnedFlags[kTwinSpecies]);
    } else {
        EXPECT_EQ(shown[2], name(kTwinEvolver) + " also evolved into " + twin + "!");
        EXPECT_EQ(game.screens.statistics.rosterCount(), 3);
        EXPECT_EQ(game.screens.statistics.rosterList[2], (RosterListItem{twin, kTwinSpecies - 1}));
        EXPECT_EQ(game.state.RosterSpecies[3], kTwinSpecies);
        EXPECT_EQ(game.state.RosterLevel[3], level);
        EXPECT_EQ(game.state.RosterExp[3], LevelThreshold(level));
        EXPECT_TRUE(game.state.OwnedFlags[kTwinSpecies]);
        EXPECT_EQ(port.log, std::vector<std::string>{twin + " has been added to the ZORIDEX!"});
    }
    EXPECT_FALSE(game.screens.modes.EvolutionMode);
}

INSTANTIATE_TEST_SUITE_P(EachDraw, TwinEvolutionTest, ::testing::Values(0, 1, 2, 3));

TEST_F(EvolutionTest, TheTwinEvolverAfterNoIsAskedPlainly) {
    const int level = std::max<int>(evolutionLevel(kTwinEvolver), 30);
    const int plain = game.data.EvolvesInto[kTwinEvolver];
    startPlaying({{kTwinEvolver, level}});
    port.answers = {false, true};
    evolveEntry(0);
    const auto questions = port.boxes(Shown::Question);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[0].find(" NOTE: "), std::string::npos);
    EXPECT_EQ(questions[1], "Your " + name(kTwinEvolver) + " can evolve into " + name(plain) +
                                ". Do you want to evolve it?");
    EXPECT_EQ(game.state.RosterSpecies[1], plain);
    EXPECT_EQ(game.screens.statistics.rosterCount(), 1);

    // Two Noes change nothing and draw nothing.
    startPlaying({{kTwinEvolver, level}});
    port.answers = {false, false};
    evolveEntry(0);
    EXPECT_EQ(game.state.RosterSpecies[1], kTwinEvolver);
}

TEST_F(EvolutionTest, AFullRosterAnnouncesOnlyWhatJoins) {
    startPlaying({{kTwinEvolver, 100}});
    auto& list = game.screens.statistics.rosterList;
    for (int slot = 2; slot <= kRosterSlots; ++slot) {
        game.state.RosterSpecies[slot] = 1;
        game.state.RosterLevel[slot] = 5;
        list.push_back({name(1), 0});
    }
    random.draws = {3};
    port.answers = {true};
    evolveEntry(0);
    const auto shown = port.boxes(Shown::Information);
    EXPECT_EQ(shown.back(), "Your roster is full: " + name(kTwinSpecies) + " could not join it.");
    for (const std::string& text : shown)
        EXPECT_EQ(text.find(" also evolved into "), std::string::npos);
    EXPECT_TRUE(port.boxes(Shown::Warning).empty());
    EXPECT_EQ(game.screens.statistics.rosterCount(), kRosterSlots);
    EXPECT_EQ(game.state.RosterSpecies[1], kTwinFirstForm);
}

}  // namespace
}  // namespace zorikan::testing
