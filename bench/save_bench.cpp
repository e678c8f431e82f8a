// Writing and reading a full saved game (10000 creatures), each beside plain
// file I/O of the same bytes, so the cost of the layout shows on its own.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/data/text_file.h"
#include "core/saves/save_game.h"

namespace {

using namespace zorikan;

GameState FullGame() {
    GameState s;
    s.PlayerName = "Bench";
    s.Money = 4'000'000'000u;
    for (int n = 1; n <= kSpeciesCount; ++n) s.OwnedFlags[n] = n % 2;
    for (int slot = 1; slot <= kRosterSlots; ++slot) {
        s.RosterSpecies[slot] = slot % kSpeciesCount + 1;
        s.RosterLevel[slot] = static_cast<std::uint8_t>(slot % 99 + 2);
        s.RosterExp[slot] = 1'000'000u - static_cast<std::uint32_t>(slot);
    }
    return s;
}

std::string BenchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void PlainWrite(const std::string& path, const std::string& bytes, bool sync) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    if (sync) ::fsync(fd);
    ::close(fd);
}

void BM_SaveGameWrite(benchmark::State& state) {
    const GameState game = FullGame();
    const std::string path = BenchFile("zorikan-bench-save.zgs");
    for (auto _ : state)
        if (WriteSaveGameFile(game, path)) state.SkipWithError("write failed");
    state.SetBytesProcessed(state.iterations() * SaveGameText(game).size());
    std::remove(path.c_str());
}

// The same bytes written and flushed to disk like the save, without the layout.
void BM_PlainWriteSynced(benchmark::State& state) {
    const std::string bytes = SaveGameText(FullGame());
    const std::string path = BenchFile("zorikan-bench-plain.bin");
    for (auto _ : state) PlainWrite(path, bytes, true);
    state.SetBytesProcessed(state.iterations() * bytes.size());
    std::remove(path.c_str());
}

void BM_PlainWrite(benchmark::State& state) {
    const std::string bytes = SaveGameText(FullGame());
    const std::string path = BenchFile("zorikan-bench-plain.bin");
    for (auto _ : state) PlainWrite(path, bytes, false);
    state.SetBytesProcessed(state.iterations() * bytes.size());
    std::remove(path.c_str());
}

void BM_SaveGameRead(benchmark::State& state) {
    const std::string path = BenchFile("zorikan-bench-read.zgs");
    const std::string bytes = SaveGameText(FullGame());
    PlainWrite(path, bytes, false);
    for (auto _ : state) {
        GameState game;
        if (ReadSaveGameFile(path, game)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(game.RosterExp.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    std::remove(path.c_str());
}

void BM_PlainRead(benchmark::State& state) {
    const std::string path = BenchFile("zorikan-bench-read.bin");
    const std::string bytes = SaveGameText(FullGame());
    PlainWrite(path, bytes, false);
    for (auto _ : state) {
        std::string text;
        if (ReadTextFile(path, text)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    std::remove(path.c_str());
}

// The same file read line by line with the standard library's text streams,
// the usual plain way to read a line-per-value file.
void BM_PlainReadLines(benchmark::State& state) {
    const std::string path = BenchFile("zorikan-bench-lines.bin");
    const std::string bytes = SaveGameText(FullGame());
    PlainWrite(path, bytes, false);
    for (auto _ : state) {
        std::ifstream in(path);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line)) ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    std::remove(path.c_str());
}

BENCHMARK(BM_SaveGameWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteSynced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGameRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadLines)->Unit(benchmark::kMillisecond);

}  // namespace
