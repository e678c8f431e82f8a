// How long one Game Corner game takes through the real window, from
// "Draw number!" to the reveal, and how much of a core it uses meanwhile:
// the lucky number should change once per screen frame, not once per draw.
// Runs on the offscreen platform unless a display is there.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "app/game_session.h"
#include "core/collection/game_corner.h"
#include "core/data/data_file.h"
#include "core/saves/new_game.h"
#include "screens/game_corner_window.h"

namespace {

using namespace zorikan;

QApplication& App() {
    static int argc = 1;
    static char name[] = "zorikan_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down after main returns, with the media
    // backend already gone, it crashed the program at its exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counts the times the lucky number's group is painted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_GameCornerGame(benchmark::State& state) {
    App();
    GameSession session({}, QFileInfo(ZORIKAN_DATA_FILE).absolutePath());
    if (LoadGameDataFile(ZORIKAN_DATA_FILE, session.data())) {
        state.SkipWithError("no data file");
        return;
    }
    Game& game = session.game();
    ShowStarterChoice(game);
    ChooseStarter(game, 0);
    game.state.Money = 1'000'000;
    ShowGameCorner(game);
    session.refresh();
    TFormB* corner = session.gameCorner();
    PaintCounter counter;
    corner->findChild<QGroupBox*>("RadioGroup3")->installEventFilter(&counter);
    corner->prizeEntry(0)->click();

    double wall = 0, cpu = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        // A game that loses, so that no box waits for an answer.
        SeededRandom probe(++seed);
        int lucky = 0;
        for (int i = 0; i < kDrawsPerGame; ++i) lucky = probe.Random(10);
        session.random().reseed(seed);
        corner->numberEntry((lucky + 1) % 10)->click();

        QElapsedTimer clock;
        const double cpuBefore = CpuSeconds();
        clock.start();
        corner->drawButton()->click();
        while (DrawInProgress(game)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        wall += seconds;
        cpu += CpuSeconds() - cpuBefore;
    }
    state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0;
    state.counters["paints_per_game"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    state.counters["frame_ms"] = corner->frameIntervalMs();
}

BENCHMARK(BM_GameCornerGame)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
