#pragma once
// A text of the game: its template in English, with numbered arguments %1..%9
// where names and numbers go, and the context a translator sees it in.
// ZORIKAN_TEXT marks a template where it is written, so the translation
// tools find it; its two arguments must be string literals.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zorikan {

struct Message {
    const char* context = nullptr;
    const char* english = nullptr;
};

#define ZORIKAN_TEXT(context, english) (::zorikan::Message{context, english})

// A text around a count, such as a number of items, which languages write in
// forms that differ by the count: `many` is its English for every count but
// one, with %n where the count goes, `one` its English for a count of one.
// ZORIKAN_COUNTED marks `many` where it is written, so the translation tools
// file it with a form for each of the language's plural forms.
struct CountedMessage {
    Message many;
    const char* one;
};

#define ZORIKAN_COUNTED(context, english) (::zorikan::Message{context, english})

// The player's language: the template of a message in that language.
class Translation {
public:
    virtual ~Translation() = default;
    virtual std::string lookUp(const Message& message) const = 0;
    // The form of `message` for `count`, with its %n replaced by the count.
    virtual std::string lookUp(const CountedMessage& message, int count) const = 0;
};

// Every text is looked up in this translation from now on; null means English.
// The translation must outlive its use.
void UseTranslation(const Translation* translation);

// The message in the player's language, each %N replaced by the N-th argument.
std::string Text(const Message& message, std::initializer_list<std::string_view> arguments = {});

// The form of a counted message for `count` in the player's language, its %n
// replaced by the count and each %N by the N-th argument.
std::string Text(const CountedMessage& message, int count,
                 std::initializer_list<std::string_view> arguments = {});

// The English form of a counted message for `count`: `one` for 1, `many` for
// any other count, with %n replaced by the count.
std::string EnglishForm(const CountedMessage& message, int count);

// The pattern with each %N (N from 1 to 9) replaced by the N-th argument, in
// one pass: an argument is inserted as it is, so a "%1" the player typed into
// a name stays as typed. A %N without its argument, and any other %, stay.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace zorikan
