// The game reads the language the desktop asks for, in the desktop's order
// of preference, and plays in English where it ships none of them.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/text/language.h"

namespace zorikan {
namespace {

// A list as translations/languages.txt gives it, with languages shipped by
// their region and names they serve besides their own, so that the rule is
// tested whatever the game ships today.
constexpr std::array<std::string_view, 10> kCodes = {"en",    "de", "fr", "es", "it",
                                                     "pt_BR", "pl", "ru", "ja", "zh_CN"};
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kAliases = {{
    {"pt", "pt_BR"},
    {"pt_PT", "pt_BR"},  // European Portuguese reads Brazilian better than English
    {"zh", "zh_CN"},
    {"zh_SG", "zh_CN"},  // Simplified, as on the mainland; zh_TW and zh_HK write Traditional
    {"zh_Hans", "zh_CN"},
}};
constexpr LanguageList kList{kCodes, kAliases};

struct EnvironmentCase {
    std::map<std::string, std::string> variables;
    std::string_view expected;
};

TEST(Language, ThePosixDesktopsFirstSetVariableDecides) {
    const EnvironmentCase cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "fr_CA"}}, "fr"},
        {{{"LANG", "es"}}, "es"},
        {{{"LANG", "de_AT@euro"}}, "de"},
        {{{"LANG", "DE_de"}}, "de"},
        {{{"LANG", "C"}}, "en"},
        {{{"LANG", "POSIX"}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "nl_NL"}}, "en"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_br"}}, "pt_BR"},
        {{{"LANG", "pt_PT"}}, "pt_BR"},
        {{{"LANG", "pt"}}, "pt_BR"},
        {{{"LANG", "zh_CN.UTF-8"}}, "zh_CN"},
        {{{"LANG", "zh_SG.GB2312"}}, "zh_CN"},
        {{{"LANG", "zh_TW.UTF-8"}}, "en"},
        {{{"LANG", "zh_HK"}}, "en"},
        {{{"LANG", "ja_JP.eucJP"}}, "ja"},
        {{{"LANG", "ru_UA.UTF-8"}}, "ru"},
        {{{"LANG", "pl_PL"}}, "pl"},
        {{{"LANG", "it_CH@euro"}}, "it"},
        {{{"LANG", "en_GB.UTF-8"}}, "en"},
        {{{"LANG", "dea_XX"}}, "en"},  // a language code that only starts like ours
        {{}, "en"},
        // LANGUAGE, LC_ALL, LC_MESSAGES, LANG in this order; an empty one counts as unset.
        {{{"LANG", "es_ES"}, {"LC_MESSAGES", "fr_FR"}}, "fr"},
        {{{"LANG", "es_ES"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "de_DE"}}, "de"},
        {{{"LANG", "es_ES"}, {"LC_ALL", ""}, {"LANGUAGE", ""}}, "es"},
        {{{"LANG", "es_ES"}, {"LANGUAGE", "fr"}}, "fr"},
        // A colon list: its first entry the game ships wins; none shipped means English,
        // not the next variable.
        {{{"LANGUAGE", "nl_NL:de:fr"}}, "de"},
        {{{"LANGUAGE", "zh_TW:ja:zh_CN"}}, "ja"},
        {{{"LANGUAGE", "en_GB:de"}}, "en"},
        {{{"LANGUAGE", "nl_NL:nl"}, {"LANG", "fr_FR.UTF-8"}}, "en"},
        // A deciding variable that names no language of ours is English too.
        {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, "en"},
        // LANGUAGE counts under a "C" locale as well.
        {{{"LANGUAGE", "es"}, {"LC_ALL", "C"}}, "es"},
    };
    for (const EnvironmentCase& c : cases) {
        const std::string_view chosen = PosixLanguage(
            [&](const char* name) -> const char* {
                auto it = c.variables.find(name);
                return it == c.variables.end() ? nullptr : it->second.c_str();
            },
            kList);
        std::string where;
        for (const auto& [name, value] : c.variables) where += name + "=" + value + " ";
        EXPECT_EQ(chosen, c.expected) << where;
    }
    // Every language the game ships is reached by its own locale.
    for (std::string_view code : kGameLanguages) {
        const std::string locale = std::string(code) + ".UTF-8";
        EXPECT_EQ(ShippedLanguage(locale), code);
    }
}

TEST(Language, TheDisplayLanguagesFirstShippedEntryWins) {
    const std::vector<std::string> windows = {"nl-NL", "fr-CA", "de-DE"};
    EXPECT_EQ(FirstShippedLanguage(windows, kList), "fr");
    const std::vector<std::string> none = {"sv-SE", "nl", "zh-Hant-TW"};
    EXPECT_EQ(FirstShippedLanguage(none, kList), "en");
    EXPECT_EQ(FirstShippedLanguage({}, kList), "en");
    const std::vector<std::string> regions = {"zh-Hant-TW", "zh-Hans-CN", "pt-PT"};
    EXPECT_EQ(FirstShippedLanguage(regions, kList), "zh_CN");
    const std::vector<std::string> portuguese = {"pt-PT", "pt-BR"};
    EXPECT_EQ(FirstShippedLanguage(portuguese, kList), "pt_BR");
}

}  // namespace
}  // namespace zorikan
