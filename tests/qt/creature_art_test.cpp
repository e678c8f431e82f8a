// The creature pictures: painted the same every time, every species its own,
// a clearly visible body coloured by its primary type with two eyes in the
// upper half, and the picture lists that paint them lazily.

#include "painter/creature_art.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/evolution_line.h"
#include "painter/art_look.h"
#include "painter/creature_images.h"

namespace {

using zorikan::painter::CreatureImages;
using zorikan::painter::CreatureLine;
using zorikan::painter::paintCreature;
using zorikan::painter::typeColor;

constexpr int kSpecies = 386;

// Stand-in types covering every primary type and a third of the species
// with a secondary one; the game reads the real ones from its data file.
std::pair<int, int> standInTypes(int species) {
    return {(species * 7) % 17 + 1, species % 3 ? 0 : (species * 11) % 17 + 1};
}

QImage paintStandIn(int species, int size) {
    const auto [type1, type2] = standInTypes(species);
    return paintCreature(species, type1, type2, size);
}

QByteArray pixelBytes(const QImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.constBits()),
                      static_cast<qsizetype>(image.sizeInBytes()));
}

double hueDistance(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

// Number of 8-connected groups of at least minSize pixels among those marked.
int countGroups(std::vector<char> marked, int width, int height, int minSize) {
    int groups = 0;
    std::vector<int> stack;
    for (int start = 0; start < width * height; ++start) {
        if (!marked[static_cast<std::size_t>(start)]) continue;
        int size = 0;
        stack.assign(1, start);
        marked[static_cast<std::size_t>(start)] = 0;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++size;
            const int x = at % width, y = at / width;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                    const auto n = static_cast<std::size_t>(ny * width + nx);
                    if (!marked[n]) continue;
                    marked[n] = 0;
                    stack.push_back(ny * width + nx);
                }
        }
        if (size >= minSize) ++groups;
    }
    return groups;
}

// Every species painted once at both sizes, shared by the checks below.
class CreatureArtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        large_ = new std::vector<QImage>;
        small_ = new std::vector<QImage>;
        for (int species = 1; species <= kSpecies; ++species) {
            large_->push_back(paintStandIn(species, 64));
            small_->push_back(paintStandIn(species, 32));
        }
    }
    static void TearDownTestSuite() {
        delete large_;
        delete small_;
        large_ = small_ = nullptr;
    }
    static const std::vector<QImage>& pictures(int size) { return size == 64 ? *large_ : *small_; }

    static std::vector<QImage>* large_;
    static std::vector<QImage>* small_;
};

std::vector<QImage>* CreatureArtTest::large_ = nullptr;
std::vector<QImage>* CreatureArtTest::small_ = nullptr;

TEST(TypeColorTest, SeventeenDistinctColoursAndAGreyForNoType) {
    const QColor none = typeColor(0);
    EXPECT_EQ(none.red(), none.green());
    EXPECT_EQ(none.green(), none.blue());
    for (int outside : {-1, 18, 1000}) EXPECT_EQ(typeColor(outside), none) << outside;

    std::set<QRgb> seen;
    for (int type = 1; type <= 17; ++type) {
        const QColor c = typeColor(type);
        EXPECT_EQ(c.alpha(), 255) << type;
        EXPECT_GT(c.hsvSaturationF(), 0.15f) << "type " << type << " is too grey to tell apart";
        seen.insert(c.rgb());
    }
    EXPECT_EQ(seen.size(), 17u);
}

// A colour in CIE L*a*b* (D65), where distances roughly follow how different
// two colours look.
std::array<double, 3> labOf(const QColor& c) {
    auto linear = [](double u) {
        return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
    };
    const double r = linear(c.redF()), g = linear(c.greenF()), b = linear(c.blueF());
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double hueOf(int type) {
    return typeColor(type).hsvHueF() * 360.0;
}

TEST(TypeColorTest, EachTypeHasTheColourOfWhatItIs) {
    // Type number, name and the hue its colour must have (degrees, give or take).
    struct Expected {
        int type;
        const char* name;
        double hue, within;
    };
    const Expected expected[] = {
        {1, "Moss: green", 110, 25},
        {2, "Ember: orange-red", 18, 13},
        {3, "Stone: grey-brown", 35, 20},
        {4, "Tide (the sea): blue", 215, 15},
        {5, "Gale (wind and sky): sky blue", 205, 15},
        {6, "Frost: pale cyan", 185, 10},
        {7, "Bog (peat): ochre brown", 33, 12},
        {8, "Glass (crystal): deep teal", 172, 20},
        {9, "Dusk (twilight): slate", 225, 25},
        {10, "Lumen (daylight): yellow", 50, 10},
        {11, "Salt (the flats): sand", 38, 12},
        {12, "Echo (sound): indigo", 250, 15},
        {13, "Ore (metal): steel blue-grey", 210, 20},
        {14, "Silk (thread): yellow-green", 72, 13},
        {15, "Herd (hoof and hide): brownish red", 5, 12},
        {16, "Spore (fungus): purple", 285, 15},
        {17, "Dream (sleep and mind): pink", 320, 25},
    };
    for (const Expected& e : expected)
        EXPECT_LE(hueDistance(hueOf(e.type), e.hue), e.within)
            << e.name << " has hue " << hueOf(e.type);
    // Crystal and sound stay well apart, though both are cool colours.
    EXPECT_GE(hueDistance(hueOf(8), hueOf(12)), 20.0);

    auto sat = [](int type) { return typeColor(type).hsvSaturationF(); };
    auto value = [](int type) { return typeColor(type).valueF(); };
    // Twilight is the darkest type of all.
    for (int type = 1; type <= 17; ++type) {
        if (type != 9) {
            EXPECT_LT(value(9), value(type)) << "type " << type;
        }
    }
    // Light, soft colours for salt, sky and frost; greyish stone and metal.
    EXPECT_GE(value(11), 0.8f);
    EXPECT_LE(sat(11), 0.5f);
    EXPECT_GT(value(5), value(4)) << "the sky is lighter than the sea";
    EXPECT_LT(sat(5), sat(4));
    EXPECT_GE(value(6), 0.85f);
    EXPECT_LE(sat(6), 0.5f);
    EXPECT_LE(sat(3), 0.35f);
    EXPECT_LE(sat(13), 0.35f);
    // Peat is a deeper brown than the salt's sand; hide a darker red than fire.
    EXPECT_LT(value(7), value(11));
    EXPECT_GT(sat(7), sat(11));
    EXPECT_LT(value(15), value(2));
}

TEST(TypeColorTest, EveryTwoTypesAreEasyToTellApart) {
    for (int a = 1; a <= 17; ++a)
        for (int b = a + 1; b <= 17; ++b) {
            const auto la = labOf(typeColor(a)), lb = labOf(typeColor(b));
            const double distance = std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
            EXPECT_GE(distance, 20.0) << "types " << a << " and " << b << " look alike";
        }
}

TEST(PaintCreatureTest, SizeFormatAndTransparentBackground) {
    for (int size : {64, 32, 48, 100}) {
        const QImage image = paintCreature(25, 3, 8, size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
    EXPECT_TRUE(paintCreature(25, 3, 8, 0).isNull());
}

TEST(PaintCreatureTest, AnyNumberStillPaintsACreature) {
    for (int species : {0, -7, 387, 5000}) {
        const QImage image = paintCreature(species, 4, 9, 64);
        ASSERT_EQ(image.size(), QSize(64, 64)) << species;
        int opaque = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, 400) << species;
    }
}

TEST(PaintCreatureTest, SameInputsGiveIdenticalPictures) {
    for (int species : {1, 2, 57, 150, 386})
        for (int size : {64, 32}) {
            const auto [type1, type2] = standInTypes(species);
            EXPECT_EQ(paintCreature(species, type1, type2, size),
                      paintCreature(species, type1, type2, size))
                << "species " << species << " at " << size;
        }
}

TEST(PaintCreatureTest, TypesChangeTheColours) {
    const QImage plain = paintCreature(40, 3, 0, 64);
    EXPECT_NE(plain, paintCreature(40, 4, 0, 64)) << "primary type ignored";
    EXPECT_NE(plain, paintCreature(40, 3, 11, 64)) << "secondary type ignored";
    // Unknown types fall back to the neutral grey rather than failing.
    const QImage unknown = paintCreature(40, 99, -5, 64);
    EXPECT_EQ(unknown, paintCreature(40, 0, 0, 64));
}

TEST(CreatureLookTest, AKnownLineSharesOneLookWhereverItsStagesAreNumbered) {
    using zorikan::painter::makeLook;
    // A line 3 -> 200 -> 17, numbered out of order on purpose.
    const auto first = makeLook(3, CreatureLine{3, 0, 3});
    const auto second = makeLook(200, CreatureLine{3, 1, 3});
    const auto third = makeLook(17, CreatureLine{3, 2, 3});
    for (const auto& later : {second, third}) {
        EXPECT_EQ(later.family, first.family);
        EXPECT_EQ(later.ears, first.ears);
        EXPECT_EQ(later.tail, first.tail);
        EXPECT_EQ(later.pattern, first.pattern);
        EXPECT_EQ(later.hueShift, first.hueShift);
    }
    EXPECT_LT(first.fancy, second.fancy);
    EXPECT_LT(second.fancy, third.fancy);
    EXPECT_LT(first.scale, third.scale);
    // Two lines of their own that start at neighbouring numbers look unlike.
    int differences = 0;
    for (int root = 20; root < 40; ++root) {
        const auto a = makeLook(root, CreatureLine{root, 0, 2});
        const auto b = makeLook(root + 1, CreatureLine{root + 1, 0, 2});
        differences += a.family != b.family || a.ears != b.ears || a.tail != b.tail;
    }
    EXPECT_GE(differences, 15);
}

TEST_F(CreatureArtTest, EverySpeciesLooksDifferentAtBothSizes) {
    for (int size : {64, 32}) {
        std::set<QByteArray> distinct;
        for (const QImage& image : pictures(size)) distinct.insert(pixelBytes(image));
        EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kSpecies)) << "at " << size << " px";
    }
    // Same species and types, other evolution stage or family: still different
    // when the types are the same for all of them.
    std::set<QByteArray> sameTypes;
    for (int species = 1; species <= kSpecies; ++species)
        sameTypes.insert(pixelBytes(paintCreature(species, 5, 0, 32)));
    EXPECT_EQ(sameTypes.size(), static_cast<std::size_t>(kSpecies));
}

TEST_F(CreatureArtTest, EachPictureHasABodyAndClearEdges) {
    for (int size : {64, 32}) {
        const int corner = size / 16;
        for (int species = 1; species <= kSpecies; ++species) {
            const QImage& image = pictures(size)[static_cast<std::size_t>(species - 1)];
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) opaque += qAlpha(image.pixel(x, y)) >= 200;
            const double fraction = static_cast<double>(opaque) / (size * size);
            EXPECT_GT(fraction, 0.12) << "species " << species << " at " << size << " has no body";
            EXPECT_LT(fraction, 0.75)
                << "species " << species << " at " << size << " fills the picture";

            int cornerAlpha = 0;
            for (int y = 0; y < corner; ++y)
                for (int x = 0; x < corner; ++x)
                    for (auto [cx, cy] : {std::pair{x, y},
                                          {size - 1 - x, y},
                                          {x, size - 1 - y},
                                          {size - 1 - x, size - 1 - y}})
                        cornerAlpha += qAlpha(image.pixel(cx, cy));
            EXPECT_EQ(cornerAlpha, 0) << "species " << species << " at " << size;

            // Nothing is cut off: the outermost rows and columns stay clear.
            int edgeOpaque = 0;
            for (int i = 0; i < size; ++i)
                for (auto [x, y] : {std::pair{i, 0}, {i, size - 1}, {0, i}, {size - 1, i}})
                    edgeOpaque += qAlpha(image.pixel(x, y)) >= 128;
            EXPECT_EQ(edgeOpaque, 0) << "species " << species << " at " << size << " is cut off";
        }
    }
}

// The hue (centre of a 10 degree bin) shared by most of the clearly
// coloured opaque pixels, counting each bin with its two neighbours.
double mostCommonHue(const QImage& image) {
    std::array<int, 36> bins{};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() < 250 || c.hsvSaturationF() < 0.12f || c.valueF() < 0.2f) continue;
            ++bins[static_cast<std::size_t>(std::max(0, c.hsvHue()) / 10 % 36)];
        }
    std::size_t peak = 0;
    auto around = [&bins](std::size_t i) {
        return bins[(i + 35) % 36] + bins[i] + bins[(i + 1) % 36];
    };
    for (std::size_t i = 1; i < bins.size(); ++i)
        if (around(i) > around(peak)) peak = i;
    return peak * 10.0 + 5.0;
}

TEST_F(CreatureArtTest, PrimaryTypeColourDominates) {
    for (int size : {64, 32}) {
        for (int species = 1; species <= kSpecies; ++species) {
            const QImage& image = pictures(size)[static_cast<std::size_t>(species - 1)];
            const double hue = mostCommonHue(image);
            const double primaryHue = typeColor(standInTypes(species).first).hsvHueF() * 360.0;
            EXPECT_LE(hueDistance(hue, primaryHue), 20.0)
                << "species " << species << " at " << size << ": most common hue " << hue
                << ", primary type hue " << primaryHue;
        }
    }
}

// The game's own creatures, with their real types and evolution lines.
TEST(GameCreatureArtTest, EachCreatureShowsItsFirstTypeMost) {
    zorikan::GameData data;
    ASSERT_EQ(zorikan::LoadGameDataFile(ZORIKAN_DATA_FILE, data), std::nullopt);
    for (int size : {64, 32}) {
        for (int species = 1; species <= kSpecies; ++species) {
            const zorikan::EvolutionLine line = zorikan::LineOf(data, species);
            const int type1 = data.SpeciesType1[static_cast<std::size_t>(species)];
            const QImage image =
                paintCreature(species, type1, data.SpeciesType2[static_cast<std::size_t>(species)],
                              size, CreatureLine{line.root, line.stage, line.stages});
            const double hue = mostCommonHue(image);
            EXPECT_LE(hueDistance(hue, typeColor(type1).hsvHueF() * 360.0), 20.0)
                << data.SpeciesNames[static_cast<std::size_t>(species)] << " at " << size
                << ": most common hue " << hue;
        }
    }
}

TEST_F(CreatureArtTest, TwoEyesInTheUpperHalf) {
    for (int size : {64, 32}) {
        for (int species = 1; species <= kSpecies; ++species) {
            const QImage& image = pictures(size)[static_cast<std::size_t>(species - 1)];
            const int half = size / 2;
            int white = 0;
            std::vector<char> dark(static_cast<std::size_t>(size * half), 0);
            for (int y = 0; y < half; ++y)
                for (int x = 0; x < size; ++x) {
                    const QRgb p = image.pixel(x, y);
                    if (qAlpha(p) < 255) continue;
                    const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
                    const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
                    white += lo >= 220;
                    dark[static_cast<std::size_t>(y * size + x)] = hi <= 60;
                }
            EXPECT_GE(white, size / 16)
                << "species " << species << " at " << size << ": no eye whites";
            EXPECT_GE(countGroups(dark, size, half, size == 64 ? 2 : 1), 2)
                << "species " << species << " at " << size << ": fewer than two pupils";
        }
    }
}

// The picture lists need a GUI application for their pixmaps.
class CreatureImagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance()) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "creature_art_test";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);  // kept for the rest of the run
    }

    std::vector<int> asked_;
    CreatureImages images_{[this](int species) {
        asked_.push_back(species);
        return standInTypes(species);
    }};
};

TEST_F(CreatureImagesTest, PaintsNothingUntilAPictureIsWanted) {
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(images_.count(), kSpecies);
}

TEST_F(CreatureImagesTest, PicturesHaveTheirSizesAndAreKept) {
    const QPixmap& large = images_.large(9);
    const QPixmap& small = images_.small(9);
    ASSERT_FALSE(large.isNull());
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(large.size(), QSize(64, 64));
    EXPECT_EQ(small.size(), QSize(32, 32));
    // Asked again: the same cached pixmap, and the types were looked up once.
    EXPECT_EQ(&images_.large(9), &large);
    EXPECT_EQ(images_.small(9).cacheKey(), small.cacheKey());
    EXPECT_EQ(asked_, std::vector<int>{10});
}

TEST_F(CreatureImagesTest, PicturesMatchThePainter) {
    for (int index : {0, 200, kSpecies - 1}) {
        EXPECT_EQ(
            images_.large(index).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            paintStandIn(index + 1, 64))
            << index;
        EXPECT_EQ(
            images_.small(index).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            paintStandIn(index + 1, 32))
            << index;
    }
}

TEST_F(CreatureImagesTest, ALineLookupPaintsEachSpeciesInItsFamily) {
    // Species 300 as the second stage of a line that starts at 12.
    const CreatureLine line{12, 1, 3};
    std::vector<int> lineAsked;
    CreatureImages images(standInTypes, [&](int species) {
        lineAsked.push_back(species);
        return line;
    });
    const auto [type1, type2] = standInTypes(300);
    EXPECT_EQ(images.large(299).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              paintCreature(300, type1, type2, 64, line));
    EXPECT_NE(images.large(299).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              paintStandIn(300, 64));
    images.small(299);
    EXPECT_EQ(lineAsked, std::vector<int>{300});
}

TEST_F(CreatureImagesTest, OutOfRangeGivesNullPictures) {
    for (int index : {-1, kSpecies, 100000}) {
        EXPECT_TRUE(images_.large(index).isNull()) << index;
        EXPECT_TRUE(images_.small(index).isNull()) << index;
        EXPECT_TRUE(images_.icon(index).isNull()) << index;
    }
    EXPECT_TRUE(asked_.empty());
    CreatureImages none([](int) { return std::pair{1, 0}; }, 0);
    EXPECT_TRUE(none.large(0).isNull());
}

TEST_F(CreatureImagesTest, IconCarriesBothSizes) {
    const QIcon icon = images_.icon(41);
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(64, 64)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).cacheKey(), images_.small(41).cacheKey());
}

}  // namespace
