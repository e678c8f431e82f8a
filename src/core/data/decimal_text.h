#pragma once
// Real numbers as text with "." for the point whatever the locale: the
// desktop toolkit sets the C locale from the system, yet the data file is
// always written with ".", and the ZORIDEX puts in the player's separator
// itself. Built on the standard streams in the "C" locale, so every system's
// library gives the same text and the same values.

#include <optional>
#include <string>
#include <string_view>

namespace zorikan {

// As C's "%.*g" writes it in the "C" locale: the shorter of fixed and
// scientific notation, `significantDigits` digits, no trailing zeros.
std::string GeneralDecimal(double value, int significantDigits);

// The whole of `text` as one decimal real: an optional minus, digits with an
// optional point, an optional exponent (no words, no hexadecimal, no spaces).
// It is read as the nearest double, then rounded to single precision; a value
// beyond single precision, or one the double rounds to zero from a nonzero
// digit, is none.
std::optional<float> ParseSingleDecimal(std::string_view text);

}  // namespace zorikan
