// make_gamedata: turns the readable tables in data/ into ZORIGAME.dat.
//
//   make_gamedata <data-dir> <output-file>
//
// The tables are plain UTF-8 text. Blank lines and lines starting with '#'
// are ignored; table rows are cells separated by '|'. The tool checks that
// every count is right and every name resolves, then writes the 13 sections
// of ZORIGAME.dat, one value per line. On a bad source it names the file and
// line, writes nothing and exits with status 1.

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kTypes = 17;
constexpr int kSpecies = 386;
constexpr int kAttacks = 119;
constexpr int kBadges = 24;
constexpr int kBands = 6;
constexpr int kPrizesPerBand = 3;
constexpr int kTrainers = 64;
constexpr int kAttacksPerSpecies = 4;

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One meaningful line of a source file, remembered with its position.
struct Line {
    std::string where;  // "file:line"
    std::string text;
};

struct Row {
    std::string where;
    std::vector<std::string> cells;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw SourceError(where + ": " + what);
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view s, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto end = s.find(separator, start);
        parts.push_back(Trim(s.substr(start, end - start)));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<Line> ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path.string() + ": cannot open file");
    std::vector<Line> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
        std::string trimmed = Trim(text);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        lines.push_back({path.string() + ":" + std::to_string(number), std::move(trimmed)});
    }
    return lines;
}

std::vector<Row> ReadTable(const fs::path& path, std::size_t columns) {
    std::vector<Row> rows;
    for (auto& line : ReadLines(path)) {
        Row row{line.where, Split(line.text, '|')};
        if (row.cells.size() != columns) {
            Fail(row.where, "expected " + std::to_string(columns) +
                                " cells separated by '|', found " +
                                std::to_string(row.cells.size()));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void ExpectCount(const fs::path& path, std::size_t found, int wanted, const char* what) {
    if (found != static_cast<std::size_t>(wanted)) {
        throw SourceError(path.string() + ": expected " + std::to_string(wanted) + " " + what +
                          ", found " + std::to_string(found));
    }
}

int ParseInt(const std::string& where, const std::string& text, int low, int high,
             const char* what) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < low || value > high) {
        Fail(where, std::string(what) + " must be a whole number from " + std::to_string(low) +
                        " to " + std::to_string(high) + ", not \"" + text + "\"");
    }
    return value;
}

// Rows must be numbered 1, 2, 3, ... so the tables stay easy to cross-check.
void ExpectNumber(const Row& row, int wanted) {
    const int number = ParseInt(row.where, row.cells[0], 1, 100000, "row number");
    if (number != wanted) {
        Fail(row.where, "row number " + std::to_string(number) + " out of order, expected " +
                            std::to_string(wanted));
    }
}

// Maps names to 1-based numbers and rejects empty or repeated names.
class NameIndex {
public:
    explicit NameIndex(const char* kind) : kind_(kind) {}

    void add(const std::string& where, const std::string& name) {
        if (name.empty()) Fail(where, std::string("empty ") + kind_ + " name");
        if (!numbers_.emplace(name, static_cast<int>(numbers_.size()) + 1).second) {
            Fail(where, std::string("duplicate ") + kind_ + " name \"" + name + "\"");
        }
    }

    int find(const std::string& where, const std::string& name) const {
        const auto it = numbers_.find(name);
        if (it == numbers_.end())
            Fail(where, std::string("unknown ") + kind_ + " \"" + name + "\"");
        return it->second;
    }

private:
    const char* kind_;
    std::map<std::string, int> numbers_;
};

struct Species {
    std::string name;
    int type1 = 0;
    int type2 = 0;
    int level = 0;
    int evolvesInto = 0;
    std::array<int, kAttacksPerSpecies> attacks{};
};

struct Attack {
    std::string name;
    int power = 0;
    int type = 0;
};

struct Tables {
    std::vector<std::string> typeNames;
    std::array<std::array<double, kTypes + 1>, kTypes + 1> chart{};
    std::vector<Attack> attacks;
    std::vector<Species> species;
    std::vector<std::string> badges;
    std::vector<std::array<std::string, kPrizesPerBand>> prizes;
    std::vector<std::string> trainers;
};

void ReadTypes(const fs::path& dir, Tables& t, NameIndex& types) {
    const auto path = dir / "types.txt";
    const auto rows = ReadTable(path, 5);
    ExpectCount(path, rows.size(), kTypes, "types");
    for (int i = 0; i < kTypes; ++i) {
        ExpectNumber(rows[i], i + 1);
        types.add(rows[i].where, rows[i].cells[1]);
        t.typeNames.push_back(rows[i].cells[1]);
    }
    constexpr std::array<double, 3> kListed{2.0, 0.5, 0.0};
    for (int row = 1; row <= kTypes; ++row) {
        const Row& source = rows[row - 1];
        t.chart[row].fill(1.0);
        std::set<int> seen;
        for (std::size_t list = 0; list < kListed.size(); ++list) {
            const std::string& cell = source.cells[2 + list];
            if (cell == "-") continue;
            for (const auto& name : Split(cell, ',')) {
                const int column = types.find(source.where, name);
                if (!seen.insert(column).second) {
                    Fail(source.where, "type \"" + name + "\" listed twice in one row");
                }
                t.chart[row][column] = kListed[list];
            }
        }
    }
}

void ReadAttacks(const fs::path& dir, Tables& t, const NameIndex& types, NameIndex& attacks) {
    const auto path = dir / "attacks.txt";
    const auto rows = ReadTable(path, 4);
    ExpectCount(path, rows.size(), kAttacks, "attacks");
    for (int i = 0; i < kAttacks; ++i) {
        const Row& row = rows[i];
        ExpectNumber(row, i + 1);
        attacks.add(row.where, row.cells[1]);
        t.attacks.push_back({row.cells[1], ParseInt(row.where, row.cells[2], 1, 255, "power"),
                             types.find(row.where, row.cells[3])});
    }
}

void ReadSpecies(const fs::path& dir, Tables& t, const NameIndex& types, const NameIndex& attacks) {
    const auto path = dir / "species.txt";
    const auto rows = ReadTable(path, 7);
    ExpectCount(path, rows.size(), kSpecies, "species");
    NameIndex species("species");
    for (int i = 0; i < kSpecies; ++i) {
        ExpectNumber(rows[i], i + 1);
        species.add(rows[i].where, rows[i].cells[1]);
    }
    for (const Row& row : rows) {
        Species s;
        s.name = row.cells[1];
        s.type1 = types.find(row.where, row.cells[2]);
        if (row.cells[3] != "-") {
            s.type2 = types.find(row.where, row.cells[3]);
            if (s.type2 == s.type1) Fail(row.where, "second type repeats the first");
        }
        const bool noLevel = row.cells[4] == "-";
        const bool noTarget = row.cells[5] == "-";
        if (noLevel != noTarget) {
            Fail(row.where, "give both an evolution level and a target, or \"-\" for both");
        }
        if (!noLevel) {
            s.level = ParseInt(row.where, row.cells[4], 1, 100, "evolution level");
            s.evolvesInto = species.find(row.where, row.cells[5]);
        }
        const auto names = Split(row.cells[6], ',');
        if (names.size() != kAttacksPerSpecies) {
            Fail(row.where, "expected 4 attacks, found " + std::to_string(names.size()));
        }
        for (int a = 0; a < kAttacksPerSpecies; ++a)
            s.attacks[a] = attacks.find(row.where, names[a]);
        t.species.push_back(std::move(s));
    }
}

std::vector<std::string> ReadList(const fs::path& path, int count, const char* kind) {
    const auto lines = ReadLines(path);
    ExpectCount(path, lines.size(), count, kind);
    NameIndex unique(kind);
    std::vector<std::string> values;
    for (const auto& line : lines) {
        unique.add(line.where, line.text);
        values.push_back(line.text);
    }
    return values;
}

void ReadPrizes(const fs::path& dir, Tables& t) {
    const auto path = dir / "prizes.txt";
    const auto rows = ReadTable(path, 1 + kPrizesPerBand);
    ExpectCount(path, rows.size(), kBands, "prize bands");
    for (int band = 0; band < kBands; ++band) {
        ExpectNumber(rows[band], band + 1);
        std::array<std::string, kPrizesPerBand> prizes;
        for (int p = 0; p < kPrizesPerBand; ++p) {
            prizes[p] = rows[band].cells[1 + p];
            if (prizes[p].empty()) Fail(rows[band].where, "empty prize");
        }
        t.prizes.push_back(prizes);
    }
}

Tables ReadSources(const fs::path& dir) {
    Tables t;
    NameIndex types("type");
    NameIndex attacks("attack");
    ReadTypes(dir, t, types);
    ReadAttacks(dir, t, types, attacks);
    ReadSpecies(dir, t, types, attacks);
    t.badges = ReadList(dir / "badges.txt", kBadges, "badges");
    ReadPrizes(dir, t);
    t.trainers = ReadList(dir / "trainers.txt", kTrainers, "trainers");
    return t;
}

std::string Multiplier(double m) {
    if (m == 2.0) return "2";
    if (m == 0.5) return "0.5";
    if (m == 0.0) return "0";
    return "1";
}

// Writes the sections in the order the game reads them.
std::string Render(const Tables& t) {
    std::ostringstream out;
    for (int row = 1; row <= kTypes; ++row) {
        for (int column = 1; column <= kTypes; ++column)
            out << Multiplier(t.chart[row][column]) << '\n';
    }
    for (const auto& s : t.species) out << s.name << '\n';
    for (const auto& badge : t.badges) out << badge << '\n';
    for (const auto& s : t.species) out << s.type1 << '\n' << s.type2 << '\n';
    for (const auto& s : t.species) out << s.level << '\n';
    for (const auto& s : t.species) out << s.evolvesInto << '\n';
    for (const auto& a : t.attacks) out << a.name << '\n';
    for (const auto& a : t.attacks) out << a.power << '\n';
    for (const auto& a : t.attacks) out << a.type << '\n';
    for (const auto& name : t.typeNames) out << name << '\n';
    for (const auto& s : t.species) {
        for (int attack : s.attacks) out << attack << '\n';
    }
    for (const auto& band : t.prizes) {
        for (const auto& prize : band) out << prize << '\n';
    }
    for (const auto& name : t.trainers) out << name << '\n';
    return out.str();
}

// Writes beside the target first so a failed run never leaves a half file.
void WriteFile(const fs::path& path, const std::string& text) {
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw SourceError(path.string() + ": cannot write file");
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw SourceError(path.string() + ": cannot write file");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_gamedata <data-dir> <output-file>\n";
        return 2;
    }
    try {
        WriteFile(argv[2], Render(ReadSources(argv[1])));
    } catch (const SourceError& error) {
        std::cerr << "make_gamedata: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
