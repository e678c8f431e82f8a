#include "core/text/message.h"

namespace zorikan {

namespace {

const Translation* current = nullptr;

}  // namespace

void UseTranslation(const Translation* translation) {
    current = translation;
}

std::string Text(const Message& message, std::initializer_list<std::string_view> arguments) {
    if (current == nullptr) return Fill(message.english, arguments);
    return Fill(current->lookUp(message), arguments);
}

std::string Text(const CountedMessage& message, int count,
                 std::initializer_list<std::string_view> arguments) {
    if (current == nullptr) return Fill(EnglishForm(message, count), arguments);
    return Fill(current->lookUp(message, count), arguments);
}

std::string EnglishForm(const CountedMessage& message, int count) {
    const std::string_view pattern = count == 1 ? message.one : message.many.english;
    const std::string number = std::to_string(count);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'n') {
            out += number;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            out += arguments.begin()[number - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace zorikan
