// Templates get their names and numbers in the translator's order, and a
// name the player typed is never read as a template.

#include <gtest/gtest.h>

#include <string>

#include "core/text/message.h"

namespace zorikan {
namespace {

struct FillCase {
    const char* pattern;
    std::initializer_list<std::string_view> arguments;
    const char* expected;
};

TEST(Fill, PutsEachArgumentWhereItsNumberStands) {
    const FillCase cases[] = {
        {"%1 used %2!", {"Hobkin", "Soot Puff"}, "Hobkin used Soot Puff!"},
        {"%2 von %1!", {"Hobkin", "Soot Puff"}, "Soot Puff von Hobkin!"},
        {"%1 and %1", {"Mossfawn"}, "Mossfawn and Mossfawn"},
        {"You got %1\xC2\xA5!", {"1000"}, "You got 1000\xC2\xA5!"},
        {"%1 is ready", {"%2"}, "%2 is ready"},  // a typed "%2" stays as typed
        {"%1, %2", {"only"}, "only, %2"},        // a missing argument shows its mark
        {"100% sure, %", {}, "100% sure, %"},
        {"%0 and %a", {"x"}, "%0 and %a"},
    };
    for (const FillCase& c : cases)
        EXPECT_EQ(Fill(c.pattern, c.arguments), c.expected) << c.pattern;
}

class Reversed : public Translation {
public:
    std::string lookUp(const Message& message) const override {
        if (std::string(message.english) == "%1 used %2!") return "%2 (%1)";
        return message.english;
    }
    // A language of three forms: one, a few, many.
    std::string lookUp(const CountedMessage&, int count) const override {
        const char* form = count == 1 ? "one" : count < 5 ? "few" : "many";
        return std::string(form) + " " + std::to_string(count) + " for %1";
    }
};

TEST(Text, FollowsTheTranslationInUseAndEnglishWithout) {
    const Message used = ZORIKAN_TEXT("Battle", "%1 used %2!");
    EXPECT_EQ(Text(used, {"Hobkin", "Soot Puff"}), "Hobkin used Soot Puff!");
    const Reversed reversed;
    UseTranslation(&reversed);
    EXPECT_EQ(Text(used, {"Hobkin", "Soot Puff"}), "Soot Puff (Hobkin)");
    UseTranslation(nullptr);
    EXPECT_EQ(Text(used, {"Hobkin", "Soot Puff"}), "Hobkin used Soot Puff!");
}

// A counted text takes its form from the count: English's own for one and
// for any other count, a translation's as it gives them.
TEST(Text, ACountedTextTakesTheFormOfItsCount) {
    const CountedMessage won{ZORIKAN_COUNTED("Tournament", "%1 won %n Potions!"),
                             "%1 won a Potion!"};
    EXPECT_EQ(Text(won, 1, {"Kell"}), "Kell won a Potion!");
    EXPECT_EQ(Text(won, 0, {"Kell"}), "Kell won 0 Potions!");
    EXPECT_EQ(Text(won, 12, {"Kell"}), "Kell won 12 Potions!");
    const Reversed reversed;
    UseTranslation(&reversed);
    EXPECT_EQ(Text(won, 1, {"Kell"}), "one 1 for Kell");
    EXPECT_EQ(Text(won, 3, {"Kell"}), "few 3 for Kell");
    EXPECT_EQ(Text(won, 7, {"Kell"}), "many 7 for Kell");
    UseTranslation(nullptr);
}

}  // namespace
}  // namespace zorikan
