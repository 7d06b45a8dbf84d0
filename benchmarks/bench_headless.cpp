// The headless street's speed: steps a second of a whole game played by a restless player, tracing
// off, as `railquest --headless --restless` runs it (no pictures), and with the pictures composed;
// and of games played by the autoplayer, its thinking included, as `railquest --headless --autoplay`.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "autoplay/Autoplayer.h"
#include "game/StateHash.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"

namespace rq {
namespace {

void BM_HeadlessSteps(benchmark::State& state, bool drawPictures) {
    HeadlessGame game;
    std::string error;
    if (!game.Start(42, RAILQUEST_ASSET_DIR, error, drawPictures)) {
        throw std::runtime_error(error);
    }
    RestlessPlayer player(42);
    // One step per iteration: the game runs on through streets and journeys for as long as it is timed.
    for (auto _ : state) {
        if (RunSteps(game, player, 1, nullptr) != 1) {
            state.SkipWithError("the game stopped");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["game_days"] = (game.game().world.DayNum - 1) + game.game().world.GameTime / 259200.0;
}
// The state check a recording writes every 64 steps, to set against 64 of the steps above.
void BM_StateHash(benchmark::State& state) {
    HeadlessGame game;
    std::string error;
    if (!game.Start(42, RAILQUEST_ASSET_DIR, error)) {
        throw std::runtime_error(error);
    }
    RestlessPlayer player(42);
    RunSteps(game, player, 5000, nullptr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(StateHash(game.game()));
    }
}

BENCHMARK(BM_StateHash)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_HeadlessSteps, no_pictures, false)->Unit(benchmark::kMicrosecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_HeadlessSteps, pictures, true)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

// Games of seeds 1, 2, ... played by the autoplayer; a won game gives way to the next seed.
void BM_AutoplaySteps(benchmark::State& state) {
    std::uint64_t seed = 1;
    auto game = std::make_unique<HeadlessGame>();
    auto player = std::make_unique<Autoplayer>(seed);
    std::string error;
    if (!game->Start(seed, RAILQUEST_ASSET_DIR, error)) {
        throw std::runtime_error(error);
    }
    std::int64_t journeys = 0;
    for (auto _ : state) {
        if (RunSteps(*game, *player, 1, nullptr) != 1) {
            state.PauseTiming();
            journeys += player->Stats().Journeys;
            ++seed;
            game = std::make_unique<HeadlessGame>();
            player = std::make_unique<Autoplayer>(seed);
            if (!game->Start(seed, RAILQUEST_ASSET_DIR, error)) {
                throw std::runtime_error(error);
            }
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["games"] = static_cast<double>(seed);
    state.counters["journeys"] = static_cast<double>(journeys + player->Stats().Journeys);
}
BENCHMARK(BM_AutoplaySteps)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

}  // namespace
}  // namespace rq
