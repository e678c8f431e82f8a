#include "core/collection/html_export.h"

#include <algorithm>
#include <cstdint>

#include "core/collection/statistics.h"
#include "core/data/atomic_file.h"
#include "core/data/text_encoding.h"
#include "core/text/catalogue.h"

namespace zorikan {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kReplacement = "&#65533;";

// The next code point of valid UTF-8 text at `i`, which moves past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t c = lead & (0x3F >> more);
    for (int k = 0; k < more && i < text.size(); ++k)
        c = (c << 6) | (static_cast<std::uint8_t>(text[i++]) & 0x3F);
    return c;
}

// Rows of a table take turns in grey and white, starting with grey.
class RowColours {
public:
    const char* next() {
        grey_ = !grey_;
        return grey_ ? "#C0C0C0" : "#FFFFFF";
    }

private:
    bool grey_ = false;
};

std::string ToNextLevel(std::uint32_t level, std::uint32_t experience) {
    if (level >= static_cast<std::uint32_t>(kMaxLevel)) return "0";
    // Levels may lag behind experience after a tournament match: nothing is
    // left to gain then, never a negative amount.
    const std::int64_t left = std::int64_t{LevelThreshold(level + 1)} - experience;
    return std::to_string(std::max<std::int64_t>(left, 0));
}

std::string SpeciesEntry(const Game& game, int species) {
    return PageText(Text(text::kPageSpecies, {SpeciesNumber(species), game.speciesName(species)}));
}

}  // namespace

std::string PageText(std::string_view utf8) {
    const std::string text = AsUtf8(utf8);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        switch (c) {
            case '<':
                out += "&lt;";
                continue;
            case '>':
                out += "&gt;";
                continue;
            case '&':
                out += "&amp;";
                continue;
            case '"':
                out += "&quot;";
                continue;
            default:
                break;
        }
        if ((c >= 0x20 && c < 0x7F) || c == '\t' || (c >= 0xA0 && c <= 0xFF))
            out += static_cast<char>(c);
        else if (c < 0xA0)
            out += kReplacement;  // control characters have no place in a page
        else
            out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
    }
    return out;
}

std::string CollectionPage(const Game& game, const std::string& date, const std::string& time) {
    const GameState& s = game.state;
    const std::string title =
        PageText(Text(text::kPageTitle, {game.screens.statistics.playerName}));
    const auto heading = [](const Message& column) {
        return "<td><b>" + PageText(Text(column)) + "</b></td>";
    };
    std::string page;
    page +=
        "<html><head><meta name=\"generator\" content=\"ZORIKAN Simulator\"><style>body { "
        "background-color: white; background-image: none; font-family: Arial,sans-serif; "
        "color: black; font-size: 10pt;} table{ background-image: none; font-family: "
        "Arial,sans-serif; color: black; font-size: 10pt;}</style><meta "
        "http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\"><title>" +
        title + "</title></head><body>" + kLineEnd;
    page +=
        "<h1>" + title + "</h1><p>" + PageText(Text(text::kGeneratedOn, {date, time})) + kLineEnd;
    page += "<p><table border><tr>" + heading(text::kIndexColumn) + heading(text::kNameColumn) +
            heading(text::kLevelColumn) + heading(text::kExperienceColumn) +
            heading(text::kToNextLevelColumn) + "</tr>";
    page += kLineEnd;

    RowColours roster;
    const int count = std::min(game.screens.statistics.rosterCount(), kRosterSlots);
    for (int k = 1; k <= count; ++k) {
        const std::uint32_t level = s.RosterLevel[k];
        page += std::string("<tr bgcolor=") + roster.next() + "><td>" + std::to_string(k) +
                "</td><td>" + SpeciesEntry(game, s.RosterSpecies[k]) + "</td><td>" +
                std::to_string(level) + "</td><td>" + std::to_string(s.RosterExp[k]) + "</td><td>" +
                ToNextLevel(level, s.RosterExp[k]) + "</td></tr>" + kLineEnd;
    }

    page += "</table><p><table border><tr><td><b>" +
            PageText(Text(text::kInZoridex,
                          {game.screens.statistics.registered, std::to_string(kSpeciesCount)})) +
            "</b></td></tr>" + kLineEnd;
    RowColours zoridex;
    for (int n = 1; n <= kSpeciesCount; ++n)
        if (s.OwnedFlags[n])
            page += std::string("<tr bgcolor=") + zoridex.next() + "><td>" + SpeciesEntry(game, n) +
                    kLineEnd;
    page += std::string("</table></body></html>") + kLineEnd;
    return page;
}

bool ExportCollection(Game& game, const std::string& path, const std::string& date,
                      const std::string& time) {
    if (auto error = WriteFileAtomically(path, CollectionPage(game, date, time))) {
        game.port.error(error->message());
        return false;
    }
    return game.port.question(Text(text::kExported, {path}), QuestionIcon::Information);
}

void ExportedPageNotOpened(Game& game, const std::string& path) {
    game.port.warning(Text(text::kPageNotOpened, {path}));
}

}  // namespace zorikan
