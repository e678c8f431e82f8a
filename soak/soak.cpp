// zorikan_soak: plays many seeded games through the rules alone, with a
// silent player making seeded choices, and checks the game after every
// action. A broken rule prints the seed, the step and what broke, and the
// program exits with 1.
//
//   zorikan_soak [first-seed [games [actions-per-game]]]

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "core/battle/battle_items.h"
#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/collection/collection_modes.h"
#include "core/collection/evolution.h"
#include "core/collection/game_corner.h"
#include "core/collection/mart.h"
#include "core/collection/release.h"
#include "core/collection/roster.h"
#include "core/data/data_file.h"
#include "core/data/text_file.h"
#include "core/game/freshen.h"
#include "core/game/game.h"
#include "core/model/items.h"
#include "core/model/menu_layout.h"
#include "core/progress/end_battle.h"
#include "core/progress/opponent_menus.h"
#include "core/progress/opponents.h"
#include "core/progress/tournament.h"
#include "core/progress/wild_search.h"
#include "core/saves/autosave.h"
#include "core/saves/closing_save.h"
#include "core/saves/new_game.h"
#include "core/saves/save_game.h"
#include "core/saves/save_load.h"
#include "invariants.h"
#include "soak_player.h"

namespace zorikan::soak {
namespace {

struct Totals {
    long long actions = 0, battles = 0, tournaments = 0, draws = 0, purchases = 0, evolutions = 0,
              releases = 0, saves = 0;
};

class SoakGame {
public:
    SoakGame(const GameData& data, std::uint32_t seed, Totals& totals, std::string saveFile)
        : seed_(seed),
          rng_(seed),
          choices_(seed ^ 0x5eedu),
          port_(choices_),
          game_(data, port_, rng_),
          totals_(totals),
          saveFile_(std::move(saveFile)) {}

    // False once a rule broke; the report is printed already.
    bool play(int actions) {
        const char* setups[] = {"new game", "veteran", "wealthy", "crowded"};
        const int setup = pick(10) < 4 ? 0 : 1 + pick(3);
        action_ = std::string("set-up: ") + setups[setup];
        begin(setup);
        if (!check() || !checkSaved()) return false;
        for (step_ = 1; step_ <= actions; ++step_) {
            allowed_ = Allowance{};
            before_ = Counters::Of(game_.state);
            act();
            ++totals_.actions;
            if (!check() || !checkSaved()) return false;
            // Every few hundred actions, at the next moment between battles.
            saveDue_ = saveDue_ || step_ % 300 == 0;
            if (saveDue_ && !saveAndLoad()) return false;
        }
        return true;
    }

private:
    int pick(int n) { return choices_.Random(n); }
    bool chance(int percent) { return pick(100) < percent; }
    GameState& state() { return game_.state; }
    int count() const { return RosterCount(game_.state); }

    bool check() {
        auto broken = CheckState(game_);
        if (!broken) broken = CheckCounters(before_, Counters::Of(game_.state), allowed_);
        if (!broken) return true;
        std::printf("BROKEN seed %u step %d after %s: %s\n", seed_, step_, action_.c_str(),
                    broken->c_str());
        for (const std::string& line : port_.recent()) std::printf("  %s\n", line.c_str());
        return false;
    }

    // The save after the action, as the game's redraw hands it over: the file
    // holds exactly what closing the main window now would write.
    bool checkSaved() {
        autosave_.afterAction(game_);
        writer_.wait();
        const std::optional<GameState> closing = StateAtClose(game_);
        std::string written;
        if (!closing || (!ReadTextFile(saveFile_, written) && written == SaveGameText(*closing)))
            return true;
        std::printf(
            "BROKEN seed %u step %d after %s: the saved game is not what the close "
            "would write\n",
            seed_, step_, action_.c_str());
        return false;
    }

    void begin(int setup) {
        BeginNewGame(game_, saveFile_);
        TakePlayerName(game_, chance(20) ? "" : "Soaker");
        game_.setVisible(Window::Main, true);
        ShowStarterChoice(game_);
        ChooseStarter(game_, pick(3));
        if (setup == 0) return;
        // A game as a loaded save would leave it: a roster, money, items and progress.
        GameState& s = state();
        const int creatures = setup == 3 ? kRosterSlots - pick(4) : 1 + pick(40);
        for (int slot = 1; slot <= creatures; ++slot) {
            const int species = 1 + pick(kSpeciesCount);
            // Levels the game itself gives: wild creatures and prizes start at 2.
            const int level = setup == 2 && chance(50) ? kMaxLevel : 2 + pick(kMaxLevel - 1);
            const auto next = level == kMaxLevel ? kMaxExperience + 1 : LevelThreshold(level + 1);
            s.RosterSpecies[slot] = species;
            s.RosterLevel[slot] = static_cast<std::uint8_t>(level);
            s.RosterExp[slot] =
                LevelThreshold(level) +
                static_cast<std::uint32_t>(pick(static_cast<int>(next - LevelThreshold(level))));
            s.OwnedFlags[species] = true;
        }
        const bool rich = setup == 2;
        auto amount = [&](std::uint32_t ordinary) {
            return rich ? 0xFFFFFFFFu - static_cast<std::uint32_t>(pick(50'000))
                        : static_cast<std::uint32_t>(pick(static_cast<int>(ordinary)));
        };
        s.Money = amount(2'000'000);
        for (const ItemRow& item : kItems) s.*item.count = amount(30);
        s.BadgeCount = static_cast<std::uint8_t>(pick(kBadgeCount + 1));
        s.GrandFourChampionBeaten = s.BadgeCount >= 16 || (s.BadgeCount >= 8 && chance(50));
        s.KellBeaten = s.BadgeCount >= 17 || (s.BadgeCount == 16 && chance(50));
        s.MeBeaten = s.BadgeCount >= 17 || (s.KellBeaten && chance(50));
        RebuildRosterList(game_);
        MenusEnabledAtLoad(game_);
        Freshen(game_);
    }

    // Between battles the game is saved and loaded into a second game, which
    // must hold the same progress.
    bool saveAndLoad() {
        if (game_.battle.InWildBattle || game_.battle.InTrainerBattle) return true;
        saveDue_ = false;
        action_ = "save and load";
        if (!Save(game_)) {
            std::printf("BROKEN seed %u step %d: the game could not be saved to %s\n", seed_, step_,
                        saveFile_.c_str());
            return false;
        }
        ++totals_.saves;
        SoakPlayer quiet(choices_);
        Game loaded(game_.data, quiet, rng_);
        GameState expected = game_.state;
        if (!LoadGame(loaded, saveFile_)) {
            std::printf("BROKEN seed %u step %d: the saved game does not load\n", seed_, step_);
            return false;
        }
        // The level band belongs to the battle, not to the saved game.
        expected.MinLevel = loaded.state.MinLevel;
        expected.MaxLevel = loaded.state.MaxLevel;
        if (!(loaded.state == expected)) {
            std::printf("BROKEN seed %u step %d: the loaded game differs from the saved one\n",
                        seed_, step_);
            return false;
        }
        return true;
    }

    void act() {
        const Screens& screens = game_.screens;
        // The Mart and the Game Corner are windows of their own: the player
        // may leave them open and go on in the main window meanwhile.
        const bool drawing = DrawInProgress(game_);
        if (game_.isVisible(Window::GameCorner) && (drawing || chance(60))) return gameCorner();
        if (game_.isVisible(Window::Mart) && chance(60)) return mart();
        if (drawing) return;
        if (screens.main.evolveChoice.visible) return splitChoice();
        if (screens.main.wildPanel.visible) return wildPanel();
        if (game_.battle.InWildBattle || game_.battle.InTrainerBattle) return battle();
        if (screens.modes.EvolutionMode || screens.modes.ReleaseMode) return collectionClick();
        menu();
    }

    void menu() {
        struct Choice {
            MenuItem item;
            int weight;
        };
        std::vector<Choice> choices;
        for (const Opponent& opponent : Opponents()) choices.push_back({opponent.item, 2});
        for (const TournamentBand& band : TournamentBands()) choices.push_back({band.item, 6});
        for (Choice c : {Choice{MenuItem::FindZRKN1, 40}, Choice{MenuItem::Omnivar1, 4},
                         Choice{MenuItem::Buy1, 6}, Choice{MenuItem::GameCorner1, 6},
                         Choice{MenuItem::Evolve1, 6}, Choice{MenuItem::ReleaseZRKN1, 4}})
            choices.push_back(c);
        int total = 0;
        for (const Choice& c : choices)
            if (Reachable(game_.screens.menus, c.item)) total += c.weight;
        int r = pick(total);
        for (const Choice& c : choices) {
            if (!Reachable(game_.screens.menus, c.item)) continue;
            if ((r -= c.weight) < 0) return click(c.item);
        }
    }

    void click(MenuItem item) {
        action_ = "menu " + std::string(ObjectName(item));
        if (const Opponent* opponent = FindOpponent(item)) {
            FightOpponent(game_, *opponent);
        } else if (const int band = BandOfItem(item)) {
            allowed_.spend = TournamentBands()[band - 1].fee;
            EnterTournament(game_, band);
            if (game_.battle.InTournament) ++totals_.tournaments;
        } else if (item == MenuItem::FindZRKN1) {
            FindZRKN1Click(game_);
        } else if (item == MenuItem::Omnivar1) {
            Omnivar1Click(game_);
        } else if (item == MenuItem::Buy1) {
            ShowMart(game_);
        } else if (item == MenuItem::GameCorner1) {
            ShowGameCorner(game_);
        } else if (item == MenuItem::Evolve1) {
            Evolve1Click(game_);
        } else if (item == MenuItem::ReleaseZRKN1) {
            ReleaseZRKN1Click(game_);
        }
        if (game_.battle.InWildBattle || game_.battle.InTrainerBattle) ++totals_.battles;
    }

    // A slot within the trainer battle's band where there is one, most times.
    int fighterIndex() {
        const GameState& s = state();
        if (game_.battle.InTrainerBattle && chance(80)) {
            std::vector<int> inBand;
            for (int slot = 1; slot <= count() && inBand.size() < 64; ++slot)
                if (s.RosterLevel[slot] >= s.MinLevel && s.RosterLevel[slot] <= s.MaxLevel)
                    inBand.push_back(slot);
            if (!inBand.empty()) return inBand[pick(static_cast<int>(inBand.size()))] - 1;
        }
        return pick(count());
    }

    void battle() {
        ArenaModel& arena = game_.screens.main.arena;
        if (arena.endVisible) {
            action_ = "End Fight";
            EndBattle(game_);
            if (game_.battle.InWildBattle || game_.battle.InTrainerBattle) ++totals_.battles;
            return;
        }
        const int r = pick(100);
        if (r < 8) {
            const int button = pick(kItemButtonCount);
            action_ = "item button " + std::to_string(button);
            allowed_.usedItem = button;
            UseItem(game_, static_cast<ItemButton>(button));
            allowed_.mayHalveMoney = true;  // a failed ball lets the opponent win
            return;
        }
        if (!arena.goVisible) {
            action_ = "choose a fighter";
            RosterDoubleClick(game_, fighterIndex());
            return;
        }
        allowed_.mayHalveMoney = true;
        arena.selectedAttack = r < 14 ? kRunItem : pick(100) < 3 ? -1 : pick(4);
        action_ = "Go! with item " + std::to_string(arena.selectedAttack);
        GoClick(game_);
    }

    void collectionClick() {
        const bool evolving = game_.screens.modes.EvolutionMode;
        if (chance(10)) {
            action_ = evolving ? "evolution mode off" : "release mode off";
            return evolving ? Evolve1Click(game_) : ReleaseZRKN1Click(game_);
        }
        const int before = count();
        const auto species = state().RosterSpecies;
        const int index = pick(count());
        action_ = std::string(evolving ? "evolve" : "release") + " entry " + std::to_string(index);
        RosterDoubleClick(game_, index);
        if (count() < before) ++totals_.releases;
        if (state().RosterSpecies[index + 1] != species[index + 1] && evolving)
            ++totals_.evolutions;
    }

    void splitChoice() {
        const auto& choice = game_.screens.main.evolveChoice;
        const int entry = pick(static_cast<int>(choice.entries.size()) + 1) - 1;
        action_ = "split evolution entry " + std::to_string(entry);
        if (entry >= 0) SelectEvolveChoice(game_, entry);
        EvolveButtonClick(game_);
        if (!game_.screens.main.evolveChoice.visible && entry > 0) ++totals_.evolutions;
    }

    void wildPanel() {
        WildPanelModel& panel = game_.screens.main.wildPanel;
        const int r = pick(10);
        if (r < 5) {
            panel.selectedSpecies = pick(kSpeciesCount + 1) - 1;
            panel.level = 2 + pick(99);
            action_ = "wild panel Go! for entry " + std::to_string(panel.selectedSpecies);
            WildPanelGo(game_);
        } else if (r < 8) {
            action_ = "wild panel Random";
            WildPanelRandom(game_);
        } else {
            action_ = "wild panel Cancel";
            WildPanelCancel(game_);
        }
        if (game_.battle.InWildBattle) ++totals_.battles;
    }

    void mart() {
        const int r = pick(10);
        if (r < 2) {
            action_ = "Leave the Mart";
            return LeaveMart(game_);
        }
        const int item = pick(kMartItemCount);
        std::int64_t quantity = pick(4) == 0 ? pick(kMartMaxQuantity) : pick(20);
        if (pick(8) == 0) quantity = -5;
        MartItemChosen(game_, item);
        MartQuantityChanged(game_, quantity);
        action_ = "Buy " + std::to_string(quantity) + " of Mart item " + std::to_string(item);
        const MartModel& model = game_.screens.mart;
        allowed_.spend = static_cast<std::int64_t>(MartTotal(item, model.quantity));
        if (MartBuy(game_)) ++totals_.purchases;
    }

    void gameCorner() {
        const int r = pick(10);
        if (r == 0) {
            action_ = "Close the Game Corner";
            CloseGameCorner(game_);
            return;
        }
        const GameCornerModel& model = game_.screens.gameCorner;
        std::uint64_t bet = kBetStep * static_cast<std::uint64_t>(pick(40));
        if (pick(6) == 0) bet = model.betMaximum - model.betMaximum % kBetStep;
        if (pick(20) == 0) bet = std::uint64_t{model.betMaximum} + kBetStep;
        SetBet(game_, bet);
        if (pick(12)) ChoosePrizeKind(game_, pick(kPrizeKindCount));
        if (pick(12)) PickNumber(game_, pick(10));
        action_ = "Draw number! with bet " + std::to_string(model.bet) + " on kind " +
                  std::to_string(model.prizeKind);
        allowed_.spend = model.bet;
        if (!StartDraw(game_)) return;
        ++totals_.draws;
        if (!DrawInProgress(game_)) {
            action_ += " (no game under way after the draw started)";
            return;
        }
        ShowDrawStep(game_, pick(kDrawsPerGame));
        // The reveal is its own action: nothing is spent there.
        if (!check()) std::exit(1);
        before_ = Counters::Of(game_.state);
        allowed_ = Allowance{};
        action_ = "the Game Corner's reveal";
        FinishDraw(game_);
    }

    std::uint32_t seed_;
    SeededRandom rng_;      // the game's own chance
    SeededRandom choices_;  // the player's choices
    SoakPlayer port_;
    Game game_;
    SaveWriter writer_;
    Autosave autosave_{writer_};
    Totals& totals_;
    std::string saveFile_;
    bool saveDue_ = false;
    int step_ = 0;
    std::string action_;
    Counters before_;
    Allowance allowed_;
};

long Argument(char** argv, int argc, int index, long fallback) {
    if (index >= argc) return fallback;
    char* end = nullptr;
    const long value = std::strtol(argv[index], &end, 10);
    if (*end != '\0' || value < 0) {
        std::fprintf(stderr, "usage: zorikan_soak [first-seed [games [actions-per-game]]]\n");
        std::exit(2);
    }
    return value;
}

}  // namespace
}  // namespace zorikan::soak

int main(int argc, char** argv) {
    using namespace zorikan;
    using namespace zorikan::soak;
    const auto firstSeed = static_cast<std::uint32_t>(Argument(argv, argc, 1, 1));
    // Every action writes the saved game, as the game does: 20 games take a few minutes.
    const long games = Argument(argv, argc, 2, 20);
    const int actions = static_cast<int>(Argument(argv, argc, 3, 3000));

    GameData data;
    if (auto error = LoadGameDataFile(ZORIKAN_DATA_FILE, data)) {
        std::fprintf(stderr, "cannot load %s: %s\n", ZORIKAN_DATA_FILE, error->text.c_str());
        return 2;
    }
    // The games are saved into the temporary folder, one file per run.
    const char* tmp = std::getenv("TMPDIR");
    const std::string saveFile = std::string(tmp && *tmp ? tmp : "/tmp") + "/zorikan_soak_" +
                                 std::to_string(getpid()) + ".zgs";
    const auto start = std::chrono::steady_clock::now();
    Totals totals;
    for (long g = 0; g < games; ++g) {
        const auto seed = firstSeed + static_cast<std::uint32_t>(g);
        try {
            SoakGame game(data, seed, totals, saveFile);
            if (!game.play(actions)) {
                std::remove(saveFile.c_str());
                return 1;
            }
        } catch (const std::exception& e) {
            std::printf("BROKEN seed %u: exception %s\n", seed, e.what());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "soak passed: seeds %u..%u, %lld actions, %lld battles, %lld tournaments, %lld Game "
        "Corner draws, %lld purchases, %lld evolutions, %lld releases, %lld saves in %.1f s\n",
        firstSeed, firstSeed + static_cast<std::uint32_t>(games) - 1, totals.actions,
        totals.battles, totals.tournaments, totals.draws, totals.purchases, totals.evolutions,
        totals.releases, totals.saves, seconds);
    std::remove(saveFile.c_str());
    return 0;
}
