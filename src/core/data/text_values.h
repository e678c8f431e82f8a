#pragma once
// Reads the one-value-per-line text of the data file and the saved games.
// A number is the first token after any blanks and line breaks, and the rest
// of its line is skipped; a text value is the whole line; past the end of the
// file numbers read as 0 and texts as empty, without an error.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/file_error.h"

namespace zorikan {

class TextValueReader {
public:
    explicit TextValueReader(std::string_view text) : text_(text) {}

    // Each returns the error "Invalid numeric input" when the token does not
    // convert; the position then stays after the bad token's line.
    std::optional<FileError> readInt32(std::int32_t& value);
    std::optional<FileError> readInt64(std::int64_t& value);
    std::optional<FileError> readReal(float& value);
    std::string readLine();

    // 1-based number of the line the next value starts on.
    int lineNumber() const { return line_; }
    bool atEnd() const { return pos_ >= text_.size(); }
    // Whether a value was asked for after the end of the text.
    bool readPastEnd() const { return pastEnd_; }

private:
    std::string_view nextToken(std::size_t maxLength);
    void skipRestOfLine();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool pastEnd_ = false;
};

inline FileError InvalidNumericInput() {
    return FileError{Text(text::kInvalidNumber)};
}

}  // namespace zorikan
