#pragma once
// A language of the tests' own: every template comes back marked "[[...]]",
// so a text the player sees that was not looked up whole in the catalogue
// (a forgotten literal, a piece glued on) shows up unmarked.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/message.h"
#include "scripted_port.h"

namespace zorikan::testing {

class MarkedTranslation final : public Translation {
public:
    std::string lookUp(const Message& message) const override {
        return "[[" + std::string(message.english) + "]]";
    }
    std::string lookUp(const CountedMessage& message, int count) const override {
        return "[[" + EnglishForm(message, count) + "]]";
    }
};

// Every text is marked while one of these lives; English again after.
class MarkedTexts {
public:
    MarkedTexts() { UseTranslation(&marked_); }
    ~MarkedTexts() { UseTranslation(nullptr); }
    MarkedTexts(const MarkedTexts&) = delete;
    MarkedTexts& operator=(const MarkedTexts&) = delete;

private:
    MarkedTranslation marked_;
};

// True when the text is one marked template from its first character to its
// last; templates may hold others as arguments.
inline bool MarkedWhole(const std::string& text) {
    if (!text.starts_with("[[")) return false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (depth == 0 && i > 0) return false;  // something outside the outer mark
        if (text.compare(i, 2, "[[") == 0) {
            ++depth;
            ++i;
        } else if (text.compare(i, 2, "]]") == 0) {
            --depth;
            ++i;
        }
    }
    return depth == 0;
}

// Every box, question and battle-log line the player was shown came whole
// from the catalogue.
inline void ExpectEveryTextMarked(const std::vector<Shown>& shown) {
    int texts = 0;
    for (const Shown& s : shown) {
        if (s.kind == Shown::ShowWindow || s.kind == Shown::HideWindow) continue;
        ++texts;
        EXPECT_TRUE(MarkedWhole(s.text)) << s.text;
    }
    EXPECT_GT(texts, 0);
}

}  // namespace zorikan::testing
