// Writes contact sheets of every creature picture, to look at them all at
// once: /tmp/sheet64.png (64 px pictures) and /tmp/sheet32.png (32 px), or
// into the folder given as the first argument. Each cell is labelled with
// the species number and sits on a checkerboard so transparency shows.
// With --data=FILE the species' types and evolution lines are read from the
// game's data file (build/ZORIGAME.dat), so the sheet shows the game's own
// creatures, each family drawn alike; without it stand-in types are used and
// the painter guesses the lines from the numbers. With --families (and
// --data) the pictures are laid out family by family, first stage first, so
// each line can be seen side by side.
//
// Built only when asked for, from the repository root:
//   cmake --build build --target zorikan_art_sheet
//   QT_QPA_PLATFORM=offscreen build/tools/zorikan_art_sheet
//       [--data=FILE [--families]] [out-dir] [first] [last]

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/data/evolution_line.h"
#include "painter/creature_art.h"

namespace {

constexpr int kSpecies = 386;
constexpr int kTypes = 17;
constexpr int kBadges = 24;

using Types = std::vector<std::pair<int, int>>;  // (type1, type2) of species 1..386

// What the painter is told of each species 1..386; no lines for stand-ins.
struct Creatures {
    Types types;
    std::vector<zorikan::painter::CreatureLine> lines;
};

Creatures standInTypes() {
    Creatures creatures;
    for (int species = 1; species <= kSpecies; ++species)
        creatures.types.emplace_back((species * 7) % kTypes + 1,
                                     species % 3 ? 0 : (species * 11) % kTypes + 1);
    return creatures;
}

// A whole number on one line of the data file, or `fallback`.
long numberLine(std::istream& in, long fallback) {
    std::string line;
    if (!std::getline(in, line)) return fallback;
    char* end = nullptr;
    const long value = std::strtol(line.c_str(), &end, 10);
    return end != line.c_str() && *end == '\0' ? value : fallback;
}

// The species' types and lines from the data file: after the type chart
// (17 x 17 lines), the species names and the badge names come two lines per
// species, type 1 then type 2 (0 = none); then the evolution levels and the
// species each one evolves into.
std::optional<Creatures> creaturesFromDataFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "could not read %s\n", path.c_str());
        return std::nullopt;
    }
    std::string line;
    for (int skip = 0; skip < kTypes * kTypes + kSpecies + kBadges; ++skip)
        if (!std::getline(in, line)) break;
    Types types;
    for (int species = 1; species <= kSpecies; ++species) {
        const long pair[2] = {numberLine(in, -1), numberLine(in, -1)};
        if (pair[0] < 1 || pair[0] > kTypes || pair[1] < 0 || pair[1] > kTypes) {
            std::fprintf(stderr, "%s: no valid types for species %d\n", path.c_str(), species);
            return std::nullopt;
        }
        types.emplace_back(static_cast<int>(pair[0]), static_cast<int>(pair[1]));
    }
    for (int species = 1; species <= kSpecies; ++species) numberLine(in, 0);  // levels
    auto data = std::make_unique<zorikan::GameData>();
    for (int species = 1; species <= kSpecies; ++species)
        data->EvolvesInto[species] = static_cast<std::int32_t>(numberLine(in, 0));
    Creatures creatures{std::move(types), {}};
    for (int species = 1; species <= kSpecies; ++species) {
        const zorikan::EvolutionLine line = zorikan::LineOf(*data, species);
        creatures.lines.push_back({line.root, line.stage, line.stages});
    }
    return creatures;
}

// The species first..last in sheet order: by number, or family by family.
std::vector<int> sheetOrder(int first, int last, const Creatures& creatures, bool byFamily) {
    std::vector<int> order;
    for (int species = first; species <= last; ++species) order.push_back(species);
    if (byFamily && !creatures.lines.empty()) {
        auto key = [&](int species) {
            const auto& line = creatures.lines[static_cast<std::size_t>(species - 1)];
            return std::tuple(line.root, line.stage, species);
        };
        std::sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    }
    return order;
}

QImage sheet(int size, const std::vector<int>& order, const Creatures& creatures) {
    const int columns = 20;
    const int count = static_cast<int>(order.size());
    const int rows = (count + columns - 1) / columns;
    const int label = 11;
    const int cellW = size + 6, cellH = size + label + 4;
    QImage out(columns * cellW, rows * cellH, QImage::Format_ARGB32_Premultiplied);
    out.fill(QColor(250, 250, 250));
    QPainter p(&out);
    QFont font;
    font.setPixelSize(9);
    p.setFont(font);
    for (int i = 0; i < count; ++i) {
        const int species = order[static_cast<std::size_t>(i)];
        const auto at = static_cast<std::size_t>(species - 1);
        const auto [type1, type2] = creatures.types[at];
        const zorikan::painter::CreatureLine line =
            creatures.lines.empty() ? zorikan::painter::CreatureLine{} : creatures.lines[at];
        const int x = (i % columns) * cellW + 3, y = (i / columns) * cellH + 2;
        for (int cy = 0; cy < size; cy += 8)
            for (int cx = 0; cx < size; cx += 8)
                p.fillRect(x + cx, y + cy, std::min(8, size - cx), std::min(8, size - cy),
                           ((cx + cy) / 8) % 2 ? QColor(225, 228, 235) : QColor(242, 244, 248));
        p.drawImage(x, y, zorikan::painter::paintCreature(species, type1, type2, size, line));
        p.setPen(QColor(90, 90, 100));
        p.drawText(QRect(x, y + size, size, label), Qt::AlignCenter, QString::number(species));
    }
    p.end();
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string dataFlag = "--data=";
    std::string dataFile;
    bool byFamily = false;
    std::vector<char*> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind(dataFlag, 0) == 0)
            dataFile = arg.substr(dataFlag.size());
        else if (arg == "--families")
            byFamily = true;
        else
            args.push_back(argv[i]);
    }
    std::optional<Creatures> creatures =
        dataFile.empty() ? standInTypes() : creaturesFromDataFile(dataFile);
    if (!creatures) return 1;
    const QString dir = !args.empty() ? QString::fromLocal8Bit(args[0]) : QStringLiteral("/tmp");
    QDir().mkpath(dir);  // the folder is made when it does not exist yet
    const int first = args.size() > 1 ? std::clamp(std::atoi(args[1]), 1, kSpecies) : 1;
    const int last = args.size() > 2 ? std::clamp(std::atoi(args[2]), first, kSpecies) : kSpecies;
    const std::vector<int> order = sheetOrder(first, last, *creatures, byFamily);
    bool ok = true;
    for (int size : {64, 32}) {
        const QString path = QStringLiteral("%1/sheet%2.png").arg(dir).arg(size);
        if (!sheet(size, order, *creatures).save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("wrote %s\n", qPrintable(path));
        }
    }
    return ok ? 0 : 1;
}
