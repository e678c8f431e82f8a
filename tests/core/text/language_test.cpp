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
        {{{"LANG", "DE_de"}}, "de"},
        {{{"LANG", "C"}}, "en"},
        {{{"LANG", "POSIX"}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        {{{"LANG", "pt_BR"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},  // Portuguese anywhere reads the Brazilian text
        {{{"LANG", "pt"}}, "pt_BR"},
        {{{"LANG", "pl_PL.UTF-8"}}, "pl"},
        {{{"LANG", "it_CH"}}, "it"},
        {{{"LANG", "sv_SE"}}, "en"},
        {{{"LANG", "p"}}, "en"},  // only the start of a shipped language
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
        {{{"LANGUAGE", "sv_SE:de:fr"}}, "de"},
        {{{"LANGUAGE", "sv_SE:pt_BR:de"}}, "pt_BR"},
        {{{"LANGUAGE", "en_GB:de"}}, "en"},
        {{{"LANGUAGE", "sv_SE:sv"}, {"LANG", "fr_FR.UTF-8"}}, "en"},
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
    const std::vector<std::string> windows = {"sv-SE", "fr-CA", "de-DE"};
    EXPECT_EQ(FirstShippedLanguage(windows), "fr");
    const std::vector<std::string> brazil = {"pt-BR", "en-US"};
    EXPECT_EQ(FirstShippedLanguage(brazil), "pt_BR");
    const std::vector<std::string> none = {"ko-KR", "sv"};
    EXPECT_EQ(FirstShippedLanguage(none), "en");
    EXPECT_EQ(FirstShippedLanguage({}), "en");
}

}  // namespace
}  // namespace zorikan
