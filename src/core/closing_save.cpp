#include "core/closing_save.h"

#include "core/atomic_file.h"
#include "core/new_game.h"
#include "core/save_game.h"

namespace zorikan {

std::string CannotSaveToText(const std::string& path, const FileError& error) {
    return "The game cannot be saved to " + path + ".\n" + error.message() +
           "\nPlease choose another file.";
}

std::string SaveElsewhereText(const std::string& path) {
    return "The game was not saved to " + FileNameWithoutFolder(path) +
           ".\nSave it to another file?";
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

AfterClose SaveAtClose(Game& game, const SaveDialog& dialog) {
    if (game.screens.main.starterListVisible) return AfterClose::Close;
    std::string target = game.screens.main.saveFileName;
    for (;;) {
        const auto error = WriteSaveGameFile(game.state, target);
        if (!error) {
            // The game now belongs to the file it was saved to.
            game.screens.main.saveFileName = target;
            game.screens.main.caption = GameCaption(game.state.PlayerName, target);
            return AfterClose::Close;
        }
        game.port.error(error->message());
        if (!game.port.question(SaveElsewhereText(target)))
            return game.port.question(kQuitWithoutSavingText) ? AfterClose::Close
                                                              : AfterClose::StayOpen;
        target = ChooseSaveFile(game, dialog, target);
        if (target.empty()) return AfterClose::StayOpen;
    }
}

}  // namespace zorikan
