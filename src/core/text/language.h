#pragma once
// Which of the game's languages the player reads, from the names the desktop
// gives its languages ("de_DE.UTF-8", "fr-CA", "pt_BR"). English is the game's
// own language: it needs no translation and is what every other case falls
// back to.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/text/game_languages.h"

namespace zorikan {

inline constexpr std::string_view kEnglish = kGameLanguages[0];

// A list of languages to choose from: their codes, English first, and the
// other desktop names each serves (translations/languages.txt).
struct LanguageList {
    std::span<const std::string_view> codes;
    std::span<const std::pair<std::string_view, std::string_view>> aliases;  // name, code
};
inline constexpr LanguageList kShippedLanguages{kGameLanguages, kGameLanguageAliases};

// The language of `shipped` a locale or language name stands for, or empty
// when there is none ("nl_NL", "C", "POSIX", ""). The name's code set and
// modifier do not count, "-" is "_" and letters match in either case. A
// language shipped with its region is found by that region ("pt_BR") or by a
// name listed for it ("pt_PT"); one shipped without a region serves all of
// its language ("de_AT", "de-CH" and "de" are "de").
std::string_view ShippedLanguage(std::string_view name,
                                 const LanguageList& shipped = kShippedLanguages);

// The first of `names` (in the desktop's order of preference) that `shipped`
// has, or English.
std::string_view FirstShippedLanguage(std::span<const std::string> names,
                                      const LanguageList& shipped = kShippedLanguages);

// A POSIX desktop's language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that is set and not empty decides. LANGUAGE is a colon list, whose
// first entry the game ships wins; it counts under a "C" locale too, so that
// `LANGUAGE=fr zorikan` plays in French on a system without French locales.
// A deciding variable that names no shipped language means English.
// `variable` returns a variable's value, or null when it is not set.
std::string_view PosixLanguage(const std::function<const char*(const char*)>& variable,
                               const LanguageList& shipped = kShippedLanguages);

}  // namespace zorikan
