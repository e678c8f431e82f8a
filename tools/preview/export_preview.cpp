// Writes a sample collection page for a look in a real browser: a roster of
// creatures at various levels (one at the cap, one lagging behind its
// experience), registered species including a released one, and a player
// name made of markup characters and letters beyond Latin-1.
//
// The target zorikan_export_preview; tools/preview/check_export_page.sh builds and
// runs it, then opens the page in headless Chromium.
//   build/tools/zorikan_export_preview build/ZORIGAME.dat /tmp/page.htm

#include <cstdio>

#include "core/collection/html_export.h"
#include "core/data/data_file.h"
#include "core/game/freshen.h"
#include "core/game/game.h"

namespace {

class SilentPort final : public zorikan::PlayerPort {
public:
    void logLine(const std::string&) override {}
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool question(const std::string&, zorikan::QuestionIcon) override { return false; }
    void setWindowVisible(zorikan::Window, bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
    using namespace zorikan;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ZORIGAME.dat page.htm\n", argv[0]);
        return 2;
    }
    GameData data;
    if (auto error = LoadGameDataFile(argv[1], data)) {
        std::fprintf(stderr, "%s\n", error->text.c_str());
        return 1;
    }
    SilentPort port;
    SeededRandom random(1);
    Game game(data, port, random);
    game.screens.statistics.playerName = "Kell <b>&\"\xC5\x8Cri\xC3\xA9 \xE2\x98\x85";
    const struct {
        int species, level;
        std::uint32_t experience;
    } creatures[] = {{7, 5, 125},       {150, 100, 1'000'000}, {25, 12, 2000},
                     {133, 30, 40'000}, {292, 44, 85'184},     {386, 70, 343'000}};
    game.screens.statistics.rosterList.clear();
    int slot = 1;
    for (auto c : creatures) {
        game.state.RosterSpecies[slot] = c.species;
        game.state.RosterLevel[slot] = static_cast<std::uint8_t>(c.level);
        game.state.RosterExp[slot] = c.experience;
        game.state.OwnedFlags[c.species] = true;
        game.screens.statistics.rosterList.push_back({data.SpeciesNames[c.species], c.species - 1});
        ++slot;
    }
    game.state.OwnedFlags[4] = true;  // registered, then released
    Freshen(game);
    if (!ExportCollection(game, argv[2], "08/12/2026", "03:04:05 UTC")) {
        // The question was answered No: the page is written.
    }
    return 0;
}
