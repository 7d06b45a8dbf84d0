// A saved game's cost: writing a whole game to its file (text and atomic write) and opening it again,
// after a restless player has played a game day, with the file's size as a counter; and the time to
// refuse a hostile file near the size limit.
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

// Files just under the 16 MB limit that are no save: one object of a million and a half members, a list
// nested as deep as the file allows, and a list of four million numbers. Each is read or refused within
// a second (a member count without bound once made the parse quadratic: hours for such a file).
std::string HostileText(int kind) {
    constexpr std::size_t kNearLimit = 15 * 1024 * 1024;
    std::string text;
    if (kind == 0) {
        text = "{";
        for (int i = 0; text.size() < kNearLimit; ++i) {
            text += (i > 0 ? ",\"m" : "\"m") + std::to_string(i) + "\":0";
        }
        return text + "}";
    }
    if (kind == 1) {
        return std::string(kNearLimit / 2, '[') + std::string(kNearLimit / 2, ']');
    }
    text = "{\"format\":\"railquest-save\",\"version\":1,\"seed\":[";
    while (text.size() < kNearLimit) {
        text += "1,";
    }
    return text + "1]}";
}

void BM_RefuseHostileFile(benchmark::State& state) {
    HeadlessGame& game = PlayedGame();
    const std::string text = HostileText(static_cast<int>(state.range(0)));
    std::string fault;
    for (auto _ : state) {
        SaveExtras extras;
        if (ReadSavedGame(text, game.session().game(), extras, fault)) {
            state.SkipWithError("a hostile file was read as a saved game");
            break;
        }
    }
    state.SetLabel(fault);
    state.counters["file_MB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_RefuseHostileFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
}  // namespace rq
