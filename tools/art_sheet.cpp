// Writes contact sheets of every creature picture, to look at them all at
// once: /tmp/sheet64.png (64 px pictures) and /tmp/sheet32.png (32 px), or
// into the folder given as the first argument. Each cell is labelled with
// the species number and sits on a checkerboard so transparency shows.
// The types used here are stand-ins; the game takes them from its data file.
//
// Not part of the CMake build. Build and run by hand from the repository root:
//   g++ -std=c++20 -fPIC -O2 -I src $(pkg-config --cflags Qt6Gui) tools/art_sheet.cpp
//       src/ui/creature_art.cpp src/ui/art_*.cpp -o /tmp/art_sheet $(pkg-config --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/art_sheet [out-dir] [first] [last]

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/creature_art.h"

namespace {

constexpr int kSpecies = 386;

int standInType1(int species) {
    return (species * 7) % 17 + 1;
}
int standInType2(int species) {
    return species % 3 ? 0 : (species * 11) % 17 + 1;
}

QImage sheet(int size, int first, int last) {
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
        const int x = (i % columns) * cellW + 3, y = (i / columns) * cellH + 2;
        for (int cy = 0; cy < size; cy += 8)
            for (int cx = 0; cx < size; cx += 8)
                p.fillRect(x + cx, y + cy, std::min(8, size - cx), std::min(8, size - cy),
                           ((cx + cy) / 8) % 2 ? QColor(225, 228, 235) : QColor(242, 244, 248));
        p.drawImage(x, y,
                    zorikan::ui::paintCreature(species, standInType1(species),
                                               standInType2(species), size));
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
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const int first = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, kSpecies) : 1;
    const int last = argc > 3 ? std::clamp(std::atoi(argv[3]), first, kSpecies) : kSpecies;
    bool ok = true;
    for (int size : {64, 32}) {
        const QString path = QStringLiteral("%1/sheet%2.png").arg(dir).arg(size);
        if (!sheet(size, first, last).save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ok = false;
        } else {
            std::printf("wrote %s\n", qPrintable(path));
        }
    }
    return ok ? 0 : 1;
}
