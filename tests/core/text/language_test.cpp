// The game reads the language the desktop asks for, in the desktop's order
// of preference, and plays in English where it ships none of them.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/text/language.h"

namespace zorikan {
namespace {

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
        {{{"LANG", "ru_RU.UTF-8"}}, "ru"},
        {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
        // Chinese is shipped in its mainland script only.
        {{{"LANG", "zh_CN.UTF-8"}}, "zh_CN"},
        {{{"LANG", "zh_TW.UTF-8"}}, "en"},
        {{{"LANG", "zh"}}, "en"},
        {{{"LANG", "DE_de"}}, "de"},
        {{{"LANG", "C"}}, "en"},
        {{{"LANG", "POSIX"}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "pt_BR"}}, "en"},
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
        {{{"LANGUAGE", "pt_BR:de:fr"}}, "de"},
        {{{"LANGUAGE", "en_GB:de"}}, "en"},
        {{{"LANGUAGE", "pt_BR:pt"}, {"LANG", "fr_FR.UTF-8"}}, "en"},
        // A deciding variable that names no language of ours is English too.
        {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, "en"},
        // LANGUAGE counts under a "C" locale as well.
        {{{"LANGUAGE", "es"}, {"LC_ALL", "C"}}, "es"},
    };
    for (const EnvironmentCase& c : cases) {
        const std::string_view chosen = PosixLanguage([&](const char* name) -> const char* {
            auto it = c.variables.find(name);
            return it == c.variables.end() ? nullptr : it->second.c_str();
        });
        std::string where;
        for (const auto& [name, value] : c.variables) where += name + "=" + value + " ";
        EXPECT_EQ(chosen, c.expected) << where;
    }
}

TEST(Language, TheDisplayLanguagesFirstShippedEntryWins) {
    const std::vector<std::string> windows = {"pt-BR", "fr-CA", "de-DE"};
    EXPECT_EQ(FirstShippedLanguage(windows), "fr");
    const std::vector<std::string> chinese = {"zh-TW", "zh-CN", "de-DE"};
    EXPECT_EQ(FirstShippedLanguage(chinese), "zh_CN");
    const std::vector<std::string> none = {"ko-KR", "pt"};
    EXPECT_EQ(FirstShippedLanguage(none), "en");
    EXPECT_EQ(FirstShippedLanguage({}), "en");
}

}  // namespace
}  // namespace zorikan
