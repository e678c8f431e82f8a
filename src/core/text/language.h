#pragma once
// Which of the game's languages the player reads, from the names the desktop
// gives its languages ("de_DE.UTF-8", "fr-CA"). English is the game's own
// language: it needs no translation and is what every other case falls back to.

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zorikan {

// The languages the game ships, English first, as two-letter codes, with the
// territory where the language is written differently by region ("zh_CN").
inline constexpr std::array<std::string_view, 7> kGameLanguages = {"en", "de", "fr",   "es",
                                                                   "ru", "ja", "zh_CN"};
inline constexpr std::string_view kEnglish = kGameLanguages[0];

// The game's language a locale or language name stands for ("de_DE.UTF-8",
// "de-AT", "es" or "fr_CA@euro"), or empty when the game does not ship it
// ("pt_BR", "C", "POSIX", "").
std::string_view ShippedLanguage(std::string_view name);

// The first of `names` (in the desktop's order of preference) the game ships,
// or English.
std::string_view FirstShippedLanguage(std::span<const std::string> names);

// A POSIX desktop's language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that is set and not empty decides. LANGUAGE is a colon list, whose
// first entry the game ships wins; it counts under a "C" locale too, so that
// `LANGUAGE=fr zorikan` plays in French on a system without French locales.
// A deciding variable that names no shipped language means English.
// `variable` returns a variable's value, or null when it is not set.
std::string_view PosixLanguage(const std::function<const char*(const char*)>& variable);

}  // namespace zorikan
