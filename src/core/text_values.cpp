#include "core/text_values.h"

#include <charconv>
#include <system_error>

namespace zorikan {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Converts a whole token as a decimal integer with an optional sign.
template <typename Int>
bool toInteger(std::string_view token, Int& value) {
    if (token.empty()) return false;
    if (token.front() == '+') token.remove_prefix(1);
    if (token.empty() || token.front() == '+') return false;
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size();
}

}  // namespace

std::string_view TextValueReader::nextToken(std::size_t maxLength) {
    while (pos_ < text_.size() && isBlank(text_[pos_])) {
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
    }
    std::size_t start = pos_;
    while (pos_ < text_.size() && !isBlank(text_[pos_]) && pos_ - start < maxLength) ++pos_;
    return text_.substr(start, pos_ - start);
}

void TextValueReader::skipRestOfLine() {
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    if (pos_ < text_.size()) {
        ++pos_;
        ++line_;
    }
}

std::optional<FileError> TextValueReader::readInt32(std::int32_t& value) {
    std::int64_t wide = 0;
    std::string_view token = nextToken(32);
    skipRestOfLine();
    if (token.empty()) {
        value = 0;
        return std::nullopt;
    }
    if (!toInteger(token, wide) || wide < INT32_MIN || wide > INT32_MAX)
        return kInvalidNumericInput;
    value = static_cast<std::int32_t>(wide);
    return std::nullopt;
}

std::optional<FileError> TextValueReader::readInt64(std::int64_t& value) {
    std::string_view token = nextToken(32);
    skipRestOfLine();
    if (token.empty()) {
        value = 0;
        return std::nullopt;
    }
    if (!toInteger(token, value)) return kInvalidNumericInput;
    return std::nullopt;
}

std::optional<FileError> TextValueReader::readReal(float& value) {
    std::string_view token = nextToken(64);
    skipRestOfLine();
    if (token.empty()) {
        value = 0;
        return std::nullopt;
    }
    if (token.front() == '+') token.remove_prefix(1);
    double wide = 0;
    // from_chars always takes "." as the decimal separator, whatever the locale.
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), wide);
    if (error != std::errc() || end != token.data() + token.size()) return kInvalidNumericInput;
    value = static_cast<float>(wide);
    return std::nullopt;
}

std::string TextValueReader::readLine() {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    std::size_t end = pos_;
    if (end > start && text_[end - 1] == '\r') --end;
    if (pos_ < text_.size()) {
        ++pos_;
        ++line_;
    }
    return std::string(text_.substr(start, end - start));
}

}  // namespace zorikan
