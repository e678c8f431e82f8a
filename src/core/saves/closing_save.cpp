#include "core/saves/closing_save.h"

#include "core/battle/turn.h"
#include "core/collection/game_corner.h"
#include "core/data/atomic_file.h"
#include "core/data/file_path.h"
#include "core/saves/new_game.h"
#include "core/saves/save_game.h"
#include "core/saves/save_load.h"
#include "core/shared/silent_port.h"

namespace zorikan {

std::string CannotSaveToText(const std::string& path, const FileError& error) {
    return Text(text::kCannotSaveTo, {path, error.message()});
}

std::string SaveElsewhereText(const std::string& path) {
    return Text(text::kSaveElsewhere, {FileNameWithoutFolder(path)});
}

std::string ChooseSaveFile(Game& game, const SaveDialog& dialog, std::string suggestion) {
    for (;;) {
        const std::string file = dialog(suggestion);
        if (file.empty()) return file;
        // Found out now rather than at the close, hours of play later.
        const auto error = CheckFileWritable(file);
        if (!error) return file;
        game.port.error(CannotSaveToText(file, *error));
        suggestion = file;
    }
}

std::optional<GameState> StateAtClose(const Game& game) {
    // A new game has its file before its starter: only a roster is a game.
    if (!GameInPlay(game) || game.state.RosterSpecies[1] <= 0 ||
        game.screens.main.saveFileName.empty())
        return std::nullopt;
    // Between battles and draws, which is nearly always, the game is its own
    // close-save; the copy of the whole model is only for the rare moments
    // the close would change it.
    if (!DrawInProgress(game) && !ClosingCostsTournamentPenalty(game)) return game.state;
    SilentPort silent(false);
    Game left(game.data, silent, game.rng);
    left.model() = game.model();
    // The close waits for the Game Corner's reveal: the game on show is paid.
    FinishDraw(left);
    ClosingMainWindow(left);
    return std::move(left.state);
}

AfterClose SaveAtClose(Game& game, const SaveDialog& dialog) {
    if (!GameInPlay(game)) return AfterClose::Close;
    const std::optional<GameState> closing = StateAtClose(game);
    const GameState& written = closing ? *closing : game.state;
    std::string failed = game.screens.main.saveFileName;
    if (auto error = WriteSaveGameFile(written, failed)) {
        game.port.error(error->message());
    } else {
        return AfterClose::Close;
    }
    for (;;) {
        if (!game.port.question(SaveElsewhereText(failed)))
            return game.port.riskyQuestion(Text(text::kQuitWithoutSaving)) ? AfterClose::Close
                                                                           : AfterClose::StayOpen;
        const std::string other = ChooseSaveFile(game, dialog, failed);
        if (other.empty()) return AfterClose::StayOpen;
        if (auto error = WriteSaveGameFile(written, other)) {
            game.port.error(error->message());
            failed = other;
            continue;
        }
        // The game now belongs to the file it was saved to.
        game.screens.main.saveFileName = other;
        game.screens.main.caption = GameCaption(game.state.PlayerName, other);
        return AfterClose::Close;
    }
}

std::optional<FileError> SaveOnLeaving(const Game& game) {
    const std::optional<GameState> closing = StateAtClose(game);
    if (!closing) return std::nullopt;
    return WriteSaveGameFile(*closing, game.screens.main.saveFileName);
}

}  // namespace zorikan
