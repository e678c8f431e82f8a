#pragma once
// The saved game always holds the last finished action: after every action
// the game as closing would write it goes to the writer, so a crash, a power
// cut or a killed program costs nothing played.

#include <optional>
#include <string>

#include "core/game/game.h"
#include "core/saves/save_writer.h"

namespace zorikan {

class Autosave {
public:
    explicit Autosave(SaveWriter& writer) : writer_(writer) {}

    // After an action: tells the player how the earlier writes went, then
    // hands StateAtClose to the writer when it differs from the game handed
    // over last, or when writing has been failing (every action tries again).
    void afterAction(Game& game);
    // A write failed: the player is told once, with the file's name; the
    // first write that works after failures is told too.
    void tellPlayer(Game& game);

    // The boxes of a failed write and of the first write that worked again.
    static std::string FailedText(const std::string& path, const FileError& error);
    static std::string WorksAgainText(const std::string& path);

private:
    SaveWriter& writer_;
    std::optional<GameState> handedOver_;
    std::string handedOverPath_;
    bool failing_ = false;
};

}  // namespace zorikan
