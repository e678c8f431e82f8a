#include "core/data/decimal_text.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace zorikan {

namespace {

// A decimal real as 0.<digits> × 10^exponent, its digits without leading or
// trailing zeros (none for zero).
struct DecimalParts {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an exponent's optional sign and digits; a huge one is held at a
// bound far beyond any double.
bool ReadExponent(std::string_view text, std::size_t& i, long& exponent) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size() || !IsDigit(text[i])) return false;
    long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), 100000L);
    exponent = negative ? -magnitude : magnitude;
    return true;
}

std::optional<DecimalParts> SplitDecimal(std::string_view text) {
    DecimalParts parts;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        parts.negative = true;
        ++i;
    }
    std::string mantissa;
    long integerDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++integerDigits) mantissa += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i) mantissa += text[i];
    if (mantissa.empty()) return std::nullopt;
    long written = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
        if (!ReadExponent(text, ++i, written)) return std::nullopt;
    if (i != text.size()) return std::nullopt;
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) return parts;
    const std::size_t last = mantissa.find_last_not_of('0');
    parts.digits = mantissa.substr(first, last - first + 1);
    parts.exponent = integerDigits - static_cast<long>(first) + written;
    return parts;
}

// Whether the double nearest a tiny value is zero: at or below half the
// smallest double, 2^-1075 = 0.24703282292062327208828439643411068618…e-323
// (a tie rounds to the even zero).
bool RoundsToZeroAsDouble(const DecimalParts& parts) {
    constexpr std::string_view kHalfSmallest =
        "2470328229206232720882843964341106861825299013071623822127928412503377536351";
    if (parts.exponent != -323) return parts.exponent < -323;
    // A number no longer than these digits and equal to their start is smaller.
    return parts.digits.compare(0, std::string::npos, kHalfSmallest, 0, parts.digits.size()) <= 0;
}

}  // namespace

std::string GeneralDecimal(double value, int significantDigits) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::setprecision(significantDigits) << value;
    return out.str();
}

std::optional<float> ParseSingleDecimal(std::string_view text) {
    const std::optional<DecimalParts> parts = SplitDecimal(text);
    if (!parts) return std::nullopt;
    const float zero = parts->negative ? -0.0f : 0.0f;
    if (parts->digits.empty()) return zero;
    // Sure answers first, so the stream below never meets a double's limits,
    // where libraries differ: at least 1e39 is beyond single precision, and
    // below 1e-300 single precision holds only zero.
    if (parts->exponent > 39) return std::nullopt;
    if (parts->exponent < -300) {
        if (RoundsToZeroAsDouble(*parts)) return std::nullopt;
        return zero;
    }
    std::istringstream in((parts->negative ? "-0." : "0.") + parts->digits + "e" +
                          std::to_string(parts->exponent));
    in.imbue(std::locale::classic());
    double wide = 0;
    if (!(in >> wide)) return std::nullopt;
    if (!(std::fabs(wide) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(wide);
}

}  // namespace zorikan
