#include "core/saves/new_game.h"

#include "core/collection/roster.h"
#include "core/data/file_path.h"
#include "core/text/catalogue.h"

namespace zorikan {

std::string GameCaption(const std::string& playerName, const std::string& savePath) {
    return Text(text::kGameCaption, {kGameTitle, playerName, FileNameWithoutFolder(savePath)});
}

void BeginNewGame(Game& game, const std::string& savePath) {
    // A new game always begins from the start values, whatever an earlier
    // failed load may have left.
    game.state = GameState{};
    game.screens.main.saveFileName = savePath;
    GameState& s = game.state;
    s.MinLevel = 2;
    s.MaxLevel = 100;
    s.ZoriBalls = 3;
    game.setVisible(Window::Title, false);
}

void TakePlayerName(Game& game, const std::string& typedName) {
    game.state.PlayerName = typedName.empty() ? kDefaultPlayerName : typedName;
    game.screens.main.caption = GameCaption(game.state.PlayerName, game.screens.main.saveFileName);
    game.screens.statistics.playerName = game.state.PlayerName;
}

void ShowStarterChoice(Game& game) {
    game.state.OwnedFlags.fill(false);
    game.screens.main.starterListVisible = true;
    game.screens.menus.disable(MenuItem::File1);
    game.screens.menus.disable(MenuItem::Action1);
}

bool StarterStillToChoose(const Game& game) {
    return game.screens.main.starterListVisible;
}

void ChooseStarter(Game& game, int entry) {
    if (entry < 0 || entry > 2 || !game.screens.main.starterListVisible) return;
    const int species = kStarterSpecies[entry];
    AddZRKN(game, species, game.speciesName(species), 5);
    game.screens.main.starterListVisible = false;
    game.screens.menus.enable(MenuItem::File1);
    game.screens.menus.enable(MenuItem::Action1);
    game.setVisible(Window::Statistics, true);
    game.setVisible(Window::Main, true);
}

}  // namespace zorikan
