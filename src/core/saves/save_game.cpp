#include "core/saves/save_game.h"

#include <charconv>

#include "core/data/atomic_file.h"
#include "core/data/text_encoding.h"
#include "core/data/text_file.h"
#include "core/data/text_values.h"
#include "core/model/items.h"

namespace zorikan {

namespace {

class LineWriter {
public:
    explicit LineWriter(std::size_t expectedBytes) { out_.reserve(expectedBytes); }

    void text(std::string_view line) {
        out_ += line;
        out_ += "\r\n";
    }
    void flag(bool value) { text(value ? "TRUE" : "FALSE"); }
    template <typename Int>
    void number(Int value) {
        char buffer[24];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        text(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// A flag is set only by a line that is exactly "TRUE".
bool readFlag(TextValueReader& in) {
    return in.readLine() == "TRUE";
}

std::optional<FileError> readLow8(TextValueReader& in, std::uint8_t& value) {
    std::int32_t wide = 0;
    if (auto error = in.readInt32(wide)) return error;
    value = static_cast<std::uint8_t>(static_cast<std::uint32_t>(wide) & 0xFF);
    return std::nullopt;
}

std::optional<FileError> readLow32(TextValueReader& in, std::uint32_t& value) {
    std::int64_t wide = 0;
    if (auto error = in.readInt64(wide)) return error;
    value = static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide) & 0xFFFF'FFFFu);
    return std::nullopt;
}

// The number of the text's last line.
int LineCount(std::string_view text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines + (!text.empty() && text.back() != '\n');
}

}  // namespace

std::string SaveGameText(const GameState& s) {
    LineWriter out(static_cast<std::size_t>(kSaveLinesV2) * 5 + s.PlayerName.size());
    out.text(kSaveIdentifier);
    out.text(s.PlayerName);
    for (bool flag :
         {s.GrandFourChampionBeaten, s.KellBeaten, s.MeBeaten, s.Gift385Given, s.Gift386Given})
        out.flag(flag);
    out.number(static_cast<unsigned>(s.BadgeCount));
    for (std::uint32_t value : {s.Money, s.Wins, s.Losses, s.Fights, s.Catches}) out.number(value);
    for (const ItemRow& item : kItems) out.number(s.*item.count);
    for (int species = 1; species <= kSpeciesCount; ++species) out.flag(s.OwnedFlags[species]);
    for (int slot = 1; slot <= kRosterSlots; ++slot) {
        out.number(s.RosterSpecies[slot]);
        out.number(static_cast<unsigned>(s.RosterLevel[slot]));
        out.number(s.RosterExp[slot]);
    }
    return out.take();
}

std::optional<FileError> ReadSaveGameText(std::string_view raw, GameState& s,
                                          int* endedEarlyAtLine) {
    // Only a file that is not UTF-8 needs a converted copy.
    std::string converted;
    if (!IsValidUtf8(raw)) converted = Windows1252ToUtf8(raw);
    TextValueReader in(converted.empty() ? raw : std::string_view(converted));

    s.PlayerName = in.readLine();
    const bool current = s.PlayerName == kSaveIdentifier;
    if (current) s.PlayerName = in.readLine();

    s.GrandFourChampionBeaten = readFlag(in);
    s.KellBeaten = readFlag(in);
    s.MeBeaten = readFlag(in);
    if (current) {
        s.Gift385Given = readFlag(in);
        s.Gift386Given = readFlag(in);
    }
    if (auto error = readLow8(in, s.BadgeCount)) return error;
    for (std::uint32_t* value : {&s.Money, &s.Wins, &s.Losses, &s.Fights, &s.Catches})
        if (auto error = readLow32(in, *value)) return error;
    for (const ItemRow& item : kItems)
        if (auto error = readLow32(in, s.*item.count)) return error;

    const int registered = current ? kSpeciesCount : kSpeciesInV1;
    for (int species = 1; species <= registered; ++species) s.OwnedFlags[species] = readFlag(in);

    for (int slot = 1; slot <= kRosterSlots; ++slot) {
        const int line = in.lineNumber();
        if (auto error = in.readInt32(s.RosterSpecies[slot])) return error;
        if (s.RosterSpecies[slot] < 0 || s.RosterSpecies[slot] > kSpeciesCount)
            return FileError{Text(text::kInvalidSpecies, {std::to_string(line)})};
        if (auto error = readLow8(in, s.RosterLevel[slot])) return error;
        if (auto error = readLow32(in, s.RosterExp[slot])) return error;
    }
    if (endedEarlyAtLine) *endedEarlyAtLine = in.readPastEnd() ? LineCount(raw) : 0;
    return std::nullopt;
}

std::optional<FileError> WriteSaveGameFile(const GameState& state, const std::string& path) {
    return WriteFileAtomically(path, SaveGameText(state));
}

std::optional<FileError> ReadSaveGameFile(const std::string& path, GameState& state,
                                          int* endedEarlyAtLine) {
    std::string text;
    if (auto error = ReadTextFile(path, text)) return error;
    return ReadSaveGameText(text, state, endedEarlyAtLine);
}

}  // namespace zorikan
