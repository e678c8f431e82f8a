#include "core/data/data_file.h"

#include "core/data/text_file.h"
#include "core/data/text_values.h"

namespace zorikan {

namespace {

// Walks the sections of the file, reporting progress and stopping at the
// first error. Values that index another table are range-checked so that a
// damaged data file can never make the game read outside a table.
class SectionReader {
public:
    SectionReader(std::string_view text, LoadProgress* progress) : in_(text), progress_(progress) {}

    void stage(int maximum, const std::string& caption) {
        if (progress_) progress_->startStage(maximum, caption);
    }
    void step() {
        if (progress_) progress_->step();
    }

    bool real(float& value) { return ok(in_.readReal(value)); }
    bool text(std::string& value) {
        value = in_.readLine();
        step();
        return true;
    }
    template <typename T>
    bool integer(T& value, int maximum = -1) {
        int line = in_.lineNumber();
        std::int32_t raw = 0;
        if (!ok(in_.readInt32(raw))) return false;
        // Byte tables keep the low 8 bits of the value, as the file format says.
        const T stored = static_cast<T>(raw);
        // An index out of range never enters its table, not even on the way out.
        if (maximum >= 0 && (static_cast<std::int64_t>(stored) < 0 || stored > maximum)) {
            error_ = FileError{Text(text::kValueOutOfRange, {std::to_string(line)})};
            return false;
        }
        value = stored;
        return true;
    }

    std::optional<FileError> error() const { return error_; }

private:
    bool ok(std::optional<FileError> result) {
        if (result) {
            error_ = result;
            return false;
        }
        step();
        return true;
    }

    TextValueReader in_;
    LoadProgress* progress_;
    std::optional<FileError> error_;
};

bool readSections(SectionReader& r, GameData& d) {
    r.stage(306, Text(text::kTypeRelations));
    for (int row = 1; row <= kTypeCount; ++row) {
        d.TypeChart[row][0] = 1.0f;
        r.step();
        for (int col = 1; col <= kTypeCount; ++col)
            if (!r.real(d.TypeChart[row][col])) return false;
    }
    r.stage(386, Text(text::kSpeciesNames));
    for (int s = 1; s <= kSpeciesCount; ++s) r.text(d.SpeciesNames[s]);
    r.stage(24, Text(text::kBadgeNames));
    for (int b = 1; b <= kBadgeCount; ++b) r.text(d.BadgeNames[b]);
    r.stage(772, Text(text::kSpeciesTypes));
    for (int s = 1; s <= kSpeciesCount; ++s) {
        if (!r.integer(d.SpeciesType1[s], kTypeCount)) return false;
        if (!r.integer(d.SpeciesType2[s], kTypeCount)) return false;
    }
    r.stage(386, Text(text::kEvolutionLevels));
    for (int s = 1; s <= kSpeciesCount; ++s)
        if (!r.integer(d.EvolutionLevel[s])) return false;
    r.stage(386, Text(text::kEvolutions));
    for (int s = 1; s <= kSpeciesCount; ++s)
        if (!r.integer(d.EvolvesInto[s], kSpeciesCount)) return false;
    r.stage(119, Text(text::kAttackNames));
    for (int a = 1; a <= kAttackCount; ++a) r.text(d.AttackNames[a]);
    r.stage(119, Text(text::kAttackPowers));
    for (int a = 1; a <= kAttackCount; ++a)
        if (!r.integer(d.AttackPower[a])) return false;
    r.stage(119, Text(text::kAttackTypes));
    for (int a = 1; a <= kAttackCount; ++a)
        if (!r.integer(d.AttackType[a], kTypeCount)) return false;
    r.stage(17, Text(text::kTypeNames));
    for (int t = 1; t <= kTypeCount; ++t) r.text(d.TypeNames[t]);
    r.stage(1544, Text(text::kSpeciesAttacks));
    for (int s = 1; s <= kSpeciesCount; ++s)
        for (int k = 1; k <= 4; ++k)
            if (!r.integer(d.SpeciesAttacks[s][k], kAttackCount)) return false;
    r.stage(18, Text(text::kTournamentPrizes));
    for (int band = 1; band <= kTournamentBands; ++band)
        for (int c = 1; c <= kPrizesPerBand; ++c) r.text(d.TournamentPrizes[band][c]);
    r.stage(64, Text(text::kTournamentTrainers));
    for (int t = 1; t <= kTournamentTrainerCount; ++t) r.text(d.TournamentTrainers[t]);
    return true;
}

}  // namespace

std::optional<FileError> ReadGameData(std::string_view text, GameData& data,
                                      LoadProgress* progress) {
    SectionReader reader(text, progress);
    if (!readSections(reader, data)) return reader.error();
    return std::nullopt;
}

std::optional<FileError> LoadGameDataFile(const std::string& path, GameData& data,
                                          LoadProgress* progress) {
    std::string text;
    if (auto error = ReadTextFile(path, text)) return error;
    return ReadGameData(text, data, progress);
}

}  // namespace zorikan
