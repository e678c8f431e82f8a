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
    const char* context;
    const char* english;
};

#define ZORIKAN_TEXT(context, english) (::zorikan::Message{context, english})

// The player's language: the template of a message in that language.
class Translation {
public:
    virtual ~Translation() = default;
    virtual std::string lookUp(const Message& message) const = 0;
};

// Every text is looked up in this translation from now on; null means English.
// The translation must outlive its use.
void UseTranslation(const Translation* translation);

// The message in the player's language, each %N replaced by the N-th argument.
std::string Text(const Message& message, std::initializer_list<std::string_view> arguments = {});

// The pattern with each %N (N from 1 to 9) replaced by the N-th argument, in
// one pass: an argument is inserted as it is, so a "%1" the player typed into
// a name stays as typed. A %N without its argument, and any other %, stay.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace zorikan
