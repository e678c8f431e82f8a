#pragma once
// The soak's silent player: answers every question with a seeded choice and
// keeps the last lines it was shown, for the report of a broken rule.

#include <deque>
#include <string>

#include "core/shared/player_port.h"
#include "core/shared/random.h"

namespace zorikan::soak {

class SoakPlayer final : public PlayerPort {
public:
    explicit SoakPlayer(RandomSource& choices) : choices_(choices) {}

    // The chance, in percent, of answering Yes.
    int yesPercent = 90;
    long long boxes = 0;
    long long errors = 0;

    void logLine(const std::string& line) override { remember("log: " + line); }
    void information(const std::string& text) override { box("information: " + text); }
    void warning(const std::string& text) override { box("warning: " + text); }
    void error(const std::string& text) override {
        ++errors;
        box("error: " + text);
    }
    bool question(const std::string& text, QuestionIcon) override {
        const bool yes = choices_.Random(100) < yesPercent;
        box("question: " + text + (yes ? " -> Yes" : " -> No"));
        return yes;
    }
    void setWindowVisible(Window, bool) override {}

    const std::deque<std::string>& recent() const { return recent_; }

private:
    void box(const std::string& text) {
        ++boxes;
        remember(text);
    }
    void remember(const std::string& text) {
        recent_.push_back(text);
        if (recent_.size() > 12) recent_.pop_front();
    }

    RandomSource& choices_;
    std::deque<std::string> recent_;
};

}  // namespace zorikan::soak
