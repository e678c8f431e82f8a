// Writes contact sheets of every creature picture, to look at them all at
// once: /tmp/sheet64.png (64 px pictures) and /tmp/sheet32.png (32 px), or
// into the folder given as the first argument. Each cell is labelled with
// the species number and sits on a checkerboard so transparency shows.
// With --data=FILE the species' types are read from the game's data file
// (build/ZORIGAME.dat), so the sheet shows the game's own creatures; without
// it stand-in types are used.
//
// Not part of the CMake build. Build and run by hand from the repository root:
//   g++ -std=c++20 -fPIC -O2 -I src $(pkg-config --cflags Qt6Gui) tools/art_sheet.cpp
//       src/ui/creature_art.cpp src/ui/art_*.cpp -o /tmp/art_sheet $(pkg-config --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/art_sheet [--data=FILE] [out-dir] [first] [last]

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/creature_art.h"

namespace {

constexpr int kSpecies = 386;
constexpr int kTypes = 17;
constexpr int kBadges = 24;

using Types = std::vector<std::pair<int, int>>;  // (type1, type2) of species 1..386

Types standInTypes() {
    Types types;
    for (int species = 1; species <= kSpecies; ++species)
        types.emplace_back((species * 7) % kTypes + 1,
                           species % 3 ? 0 : (species * 11) % kTypes + 1);
    return types;
}

// The species' types from the data file: after the type chart (17 x 17
// lines), the species names and the badge names come two lines per species,
// type 1 then type 2 (0 = none).
std::optional<Types> typesFromDataFile(const std::string& path) {
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
        int pair[2] = {-1, -1};
        for (int& type : pair) {
            if (!std::getline(in, line)) break;
            char* end = nullptr;
            const long value = std::strtol(line.c_str(), &end, 10);
            if (end != line.c_str() && *end == '\0') type = static_cast<int>(value);
        }
        if (pair[0] < 1 || pair[0] > kTypes || pair[1] < 0 || pair[1] > kTypes) {
            std::fprintf(stderr, "%s: no valid types for species %d\n", path.c_str(), species);
            return std::nullopt;
        }
        types.emplace_back(pair[0], pair[1]);
    }
    return types;
}

QImage sheet(int size, int first, int last, const Types& types) {
    const int columns = 20;
    const int count = last - first + 1;
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
        const int species = first + i;
        const auto [type1, type2] = types[static_cast<std::size_t>(species - 1)];
        const int x = (i % columns) * cellW + 3, y = (i / columns) * cellH + 2;
        for (int cy = 0; cy < size; cy += 8)
            for (int cx = 0; cx < size; cx += 8)
                p.fillRect(x + cx, y + cy, std::min(8, size - cx), std::min(8, size - cy),
                           ((cx + cy) / 8) % 2 ? QColor(225, 228, 235) : QColor(242, 244, 248));
        p.drawImage(x, y, zorikan::ui::paintCreature(species, type1, type2, size));
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
    std::vector<char*> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind(dataFlag, 0) == 0)
            dataFile = arg.substr(dataFlag.size());
        else
            args.push_back(argv[i]);
    }
    std::optional<Types> types = dataFile.empty() ? standInTypes() : typesFromDataFile(dataFile);
    if (!types) return 1;
    const QString dir = !args.empty() ? QString::fromLocal8Bit(args[0]) : QStringLiteral("/tmp");
    const int first = args.size() > 1 ? std::clamp(std::atoi(args[1]), 1, kSpecies) : 1;
    const int last = args.size() > 2 ? std::clamp(std::atoi(args[2]), first, kSpecies) : kSpecies;
    bool ok = true;
    for (int size : {64, 32}) {
        const QString path = QStringLiteral("%1/sheet%2.png").arg(dir).arg(size);
        if (!sheet(size, first, last, *types).save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("wrote %s\n", qPrintable(path));
        }
    }
    return ok ? 0 : 1;
}
