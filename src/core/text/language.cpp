#include "core/text/language.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zorikan {

std::string_view ShippedLanguage(std::string_view name) {
    // The language is what comes before the territory, code set and modifier;
    // a language shipped for one territory ("zh_CN") needs that territory too.
    const std::string_view withTerritory = name.substr(0, name.find_first_of(".@"));
    const std::string_view language = name.substr(0, name.find_first_of("_-.@"));
    for (std::string_view shipped : kGameLanguages) {
        const std::string_view asked =
            shipped.find('_') == std::string_view::npos ? language : withTerritory;
        const bool same = std::equal(asked.begin(), asked.end(), shipped.begin(), shipped.end(),
                                     [](char a, char b) {
                                         if (a == '-') a = '_';
                                         return std::tolower(static_cast<unsigned char>(a)) ==
                                                std::tolower(static_cast<unsigned char>(b));
                                     });
        if (same) return shipped;
    }
    return {};
}

std::string_view FirstShippedLanguage(std::span<const std::string> names) {
    for (const std::string& name : names)
        if (std::string_view shipped = ShippedLanguage(name); !shipped.empty()) return shipped;
    return kEnglish;
}

std::string_view PosixLanguage(const std::function<const char*(const char*)>& variable) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value == nullptr || *value == '\0') continue;
        std::vector<std::string> entries;
        std::string_view rest = value;
        for (std::size_t colon; (colon = rest.find(':')) != std::string_view::npos;) {
            entries.emplace_back(rest.substr(0, colon));
            rest.remove_prefix(colon + 1);
        }
        entries.emplace_back(rest);
        return FirstShippedLanguage(entries);
    }
    return kEnglish;
}

}  // namespace zorikan
