#pragma once
// Player names and saved games are UTF-8; games written by older versions on
// Western Windows systems hold their accented letters in Windows-1252.

#include <string>
#include <string_view>

namespace zorikan {

bool IsValidUtf8(std::string_view text);

// Every byte of Windows-1252 text as UTF-8. The five bytes the code page
// leaves undefined keep their own code point, so nothing is lost.
std::string Windows1252ToUtf8(std::string_view text);

// The text as UTF-8: unchanged when it already is, else read as Windows-1252.
std::string AsUtf8(std::string_view text);

}  // namespace zorikan
