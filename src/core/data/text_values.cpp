#include "core/data/text_values.h"

#include "core/data/decimal_text.h"

namespace zorikan {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Converts a whole token as a decimal integer with an optional sign. Written
// out by hand: saved games hold thirty thousand numbers, and this is the
// reader's inner loop.
bool toInteger(std::string_view token, std::int64_t& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    if (i == token.size()) return false;
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t kCutoff = (UINT64_MAX - 9) / 10;  // one more digit cannot wrap
    for (; i < token.size(); ++i) {
        const unsigned digit = static_cast<unsigned char>(token[i]) - '0';
        if (digit > 9 || magnitude > kCutoff) return false;
        magnitude = magnitude * 10 + digit;
    }
    if (negative && magnitude > static_cast<std::uint64_t>(INT64_MAX) + 1) return false;
    if (!negative && magnitude > static_cast<std::uint64_t>(INT64_MAX)) return false;
    value =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

// Digits with an optional sign, point and exponent: no words such as
// "nan" or "inf", which the converter would also take.
bool isDecimalReal(std::string_view token) {
    for (char c : token)
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
            return false;
    return true;
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
        pastEnd_ = true;
        value = 0;
        return std::nullopt;
    }
    if (!toInteger(token, wide) || wide < INT32_MIN || wide > INT32_MAX)
        return InvalidNumericInput();
    value = static_cast<std::int32_t>(wide);
    return std::nullopt;
}

std::optional<FileError> TextValueReader::readInt64(std::int64_t& value) {
    std::string_view token = nextToken(32);
    skipRestOfLine();
    if (token.empty()) {
        pastEnd_ = true;
        value = 0;
        return std::nullopt;
    }
    if (!toInteger(token, value)) return InvalidNumericInput();
    return std::nullopt;
}

std::optional<FileError> TextValueReader::readReal(float& value) {
    std::string_view token = nextToken(64);
    skipRestOfLine();
    if (token.empty()) {
        pastEnd_ = true;
        value = 0;
        return std::nullopt;
    }
    if (!isDecimalReal(token)) return InvalidNumericInput();
    if (token.front() == '+') token.remove_prefix(1);
    // "." is always the point, whatever the locale; a multiplier must be a
    // real number the single-precision table can hold.
    const std::optional<float> real = ParseSingleDecimal(token);
    if (!real) return InvalidNumericInput();
    value = *real;
    return std::nullopt;
}

std::string TextValueReader::readLine() {
    if (pos_ >= text_.size()) pastEnd_ = true;
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
