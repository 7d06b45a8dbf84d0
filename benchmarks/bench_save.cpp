// A saved game's cost: writing a whole game to its file (text and atomic write) and opening it again,
// after a restless player has played a game day, with the file's size as a counter.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "save/AtomicFile.h"
#include "save/HeadlessSave.h"

namespace rq {
namespace {

// A game day of city ticks and journeys: the trains full, the history and the panels used.
constexpr std::int64_t kPlayedSteps = 100'000;

HeadlessGame& PlayedGame() {
    static HeadlessGame game;
    static bool started = false;
    if (!started) {
        std::string error;
        if (!game.Start(42, RAILQUEST_ASSET_DIR, error, true)) {
            throw std::runtime_error(error);
        }
        RestlessPlayer player(42);
        RunSteps(game, player, kPlayedSteps, nullptr);
        started = true;
    }
    return game;
}

const std::string kPath = "/tmp/bench_save.rqsave";

void BM_SaveGame(benchmark::State& state) {
    HeadlessGame& game = PlayedGame();
    std::string error;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = SavedGameText(game.session().game(), ExtrasOf(game));
        if (!WriteFileAtomically(kPath, text, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        bytes = text.size();
    }
    state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OpenGame(benchmark::State& state) {
    HeadlessGame& game = PlayedGame();
    std::string error;
    SaveExtras extras;
    for (auto _ : state) {
        if (!OpenSavedGame(game, kPath, extras, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
}
BENCHMARK(BM_OpenGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace rq
