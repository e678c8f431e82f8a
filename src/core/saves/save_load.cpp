#include "core/saves/save_load.h"

#include "core/data/file_path.h"
#include "core/game/freshen.h"
#include "core/progress/opponent_menus.h"
#include "core/saves/new_game.h"
#include "core/saves/save_game.h"

namespace zorikan {

bool Save(Game& game) {
    if (auto error = WriteSaveGameFile(game.state, game.screens.main.saveFileName)) {
        game.port.error(error->message());
        return false;
    }
    return true;
}

void RebuildRosterList(Game& game) {
    StatisticsModel& view = game.screens.statistics;
    view.rosterList.clear();
    for (int slot = 1; slot <= kRosterSlots && game.state.RosterSpecies[slot] > 0; ++slot) {
        const int species = game.state.RosterSpecies[slot];
        view.rosterList.push_back({game.speciesName(species), species - 1});
    }
    ++view.rosterRevision;
}

std::string NoCreatureText(const std::string& path) {
    return Text(text::kNoCreature, {FileNameWithoutFolder(path)});
}

std::string EndedEarlyText(int line) {
    return Text(text::kEndedEarly, {std::to_string(line)});
}

bool LoadGame(Game& game, const std::string& path) {
    // An older file leaves some values as they were, so read over a copy.
    GameState loaded = game.state;
    int endedEarlyAtLine = 0;
    if (auto error = ReadSaveGameFile(path, loaded, &endedEarlyAtLine)) {
        game.port.error(error->message());
        return false;
    }
    // Without a single creature no battle could be fought, and saving at
    // close would write that empty game over the file.
    if (loaded.RosterSpecies[1] <= 0) {
        game.port.error(NoCreatureText(path));
        return false;
    }
    game.state = std::move(loaded);
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;
    game.screens.main.saveFileName = path;
    game.phase = GamePhase::InPlay;

    RebuildRosterList(game);
    game.screens.statistics.playerName = game.state.PlayerName;
    Freshen(game);
    game.screens.main.caption = GameCaption(game.state.PlayerName, path);
    MenusEnabledAtLoad(game);
    Freshen(game);
    game.setVisible(Window::Statistics, true);
    game.setVisible(Window::Main, true);
    game.setVisible(Window::Title, false);
    if (endedEarlyAtLine > 0) game.port.warning(EndedEarlyText(endedEarlyAtLine));
    return true;
}

}  // namespace zorikan
