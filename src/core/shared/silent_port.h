#pragma once
// A player who is not there: the game plays on with nothing shown, and every
// Yes/No question gets the same answer.

#include <string>

#include "core/shared/player_port.h"

namespace zorikan {

class SilentPort final : public PlayerPort {
public:
    explicit SilentPort(bool answer) : answer_(answer) {}

    void logLine(const std::string&) override {}
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string&) override {}
    bool question(const std::string&, QuestionIcon) override { return answer_; }
    void setWindowVisible(Window, bool) override {}

private:
    bool answer_;
};

}  // namespace zorikan
