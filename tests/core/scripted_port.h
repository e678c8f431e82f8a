#pragma once
// A player for the rules under test: records every box, log line and window
// request, and answers the questions it was told to expect. A question it was
// not told about fails the test.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/shared/player_port.h"
#include "core/shared/random.h"

namespace zorikan::testing {

struct Shown {
    enum Kind { Information, Warning, Error, Question, Log, ShowWindow, HideWindow } kind;
    std::string text;
    bool operator==(const Shown&) const = default;
};

class ScriptedPort final : public PlayerPort {
public:
    std::vector<Shown> shown;
    std::vector<std::string> log;  // the battle log as the window would hold it
    std::deque<bool> answers;
    std::vector<QuestionIcon> questionIcons;  // the icon of every question, in order
    // Called with every box as it opens, so a test can look at the game the
    // player sees at that moment.
    std::function<void(const Shown&)> onBox;

    void logLine(const std::string& line) override {
        shown.push_back({Shown::Log, line});
        log.push_back(line);
    }
    void information(const std::string& text) override { box({Shown::Information, text}); }
    void warning(const std::string& text) override { box({Shown::Warning, text}); }
    void error(const std::string& text) override { shown.push_back({Shown::Error, text}); }
    bool question(const std::string& text, QuestionIcon icon) override {
        shown.push_back({Shown::Question, text});
        questionIcons.push_back(icon);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setWindowVisible(Window window, bool visible) override {
        shown.push_back({visible ? Shown::ShowWindow : Shown::HideWindow,
                         std::to_string(static_cast<int>(window))});
        if (window == Window::BattleLog && visible) log.clear();
    }

    // The texts of the boxes of one kind, in order.
    std::vector<std::string> boxes(Shown::Kind kind) const {
        std::vector<std::string> texts;
        for (const Shown& s : shown)
            if (s.kind == kind) texts.push_back(s.text);
        return texts;
    }
    void box(const Shown& shownBox) {
        shown.push_back(shownBox);
        if (onBox) onBox(shownBox);
    }
    void clear() {
        shown.clear();
        log.clear();
        questionIcons.clear();
    }
};

// Hands out the draws a test lists, in order; running out fails the test.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> draws;
    std::vector<int> ranges;  // the n of every draw, in order

    int Random(int n) override {
        ranges.push_back(n);
        if (draws.empty()) {
            ADD_FAILURE() << "unexpected draw Random(" << n << ")";
            return 0;
        }
        int r = draws.front();
        draws.pop_front();
        EXPECT_GE(r, 0);
        EXPECT_LT(r, n) << "scripted draw out of range for Random(" << n << ")";
        return r;
    }
};

}  // namespace zorikan::testing
