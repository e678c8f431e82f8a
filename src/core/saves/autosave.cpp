#include "core/saves/autosave.h"

#include "core/saves/closing_save.h"

namespace zorikan {

std::string Autosave::FailedText(const std::string& path, const FileError& error) {
    return Text(text::kAutosaveFailed, {path, error.message()});
}

std::string Autosave::WorksAgainText(const std::string& path) {
    return Text(text::kAutosaveWorksAgain, {path});
}

void Autosave::afterAction(Game& game) {
    tellPlayer(game);
    std::optional<GameState> closing = StateAtClose(game);
    if (!closing) return;
    const std::string& path = game.screens.main.saveFileName;
    if (!failing_ && handedOver_ == closing && handedOverPath_ == path) return;
    handedOver_ = closing;
    handedOverPath_ = path;
    writer_.write(path, std::move(*closing));
}

void Autosave::tellPlayer(Game& game) {
    const std::optional<WriteOutcome> outcome = writer_.takeOutcome();
    if (!outcome || outcome->error.has_value() == failing_) return;
    // Changed before the box: a box redraws the windows, which comes back here.
    failing_ = outcome->error.has_value();
    if (failing_)
        game.port.warning(FailedText(outcome->path, *outcome->error));
    else
        game.port.information(WorksAgainText(outcome->path));
}

}  // namespace zorikan
