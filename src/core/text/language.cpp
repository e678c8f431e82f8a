#include "core/text/language.h"

#include <algorithm>
#include <vector>

namespace zorikan {

namespace {

char Folded(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c == '-' ? '_' : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Folded(x) == Folded(y); });
}

}  // namespace

std::string_view ShippedLanguage(std::string_view name, const LanguageList& shipped) {
    // The code set and modifier ("de_AT.UTF-8@euro") say nothing of the language.
    const std::string_view full = name.substr(0, name.find_first_of(".@"));
    // The whole name, then without its last parts ("zh-Hans-CN", "zh-Hans"),
    // against the codes and the names listed for them...
    for (std::string_view key = full;;) {
        for (std::string_view code : shipped.codes)
            if (SameName(key, code)) return code;
        for (const auto& [alias, code] : shipped.aliases)
            if (SameName(key, alias)) return code;
        key = key.substr(0, key.find_last_of("_-"));
        if (key.find_first_of("_-") == std::string_view::npos) break;
    }
    // ...then the language alone, which only a code without a region serves:
    // a region shipped ("zh_CN") is no choice for another ("zh_TW").
    const std::string_view language = full.substr(0, full.find_first_of("_-"));
    for (std::string_view code : shipped.codes)
        if (code.find('_') == std::string_view::npos && SameName(language, code)) return code;
    return {};
}

std::string_view FirstShippedLanguage(std::span<const std::string> names,
                                      const LanguageList& shipped) {
    for (const std::string& name : names)
        if (std::string_view found = ShippedLanguage(name, shipped); !found.empty()) return found;
    return shipped.codes.front();
}

std::string_view PosixLanguage(const std::function<const char*(const char*)>& variable,
                               const LanguageList& shipped) {
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
        return FirstShippedLanguage(entries, shipped);
    }
    return shipped.codes.front();
}

}  // namespace zorikan
