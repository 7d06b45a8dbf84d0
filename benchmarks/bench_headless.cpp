// The headless street's speed: steps a second of a whole game played by a restless player, tracing
// off, as `railquest --headless --restless` runs it (no pictures), and with the pictures composed.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

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
BENCHMARK_CAPTURE(BM_HeadlessSteps, no_pictures, false)->Unit(benchmark::kMicrosecond)->MinTime(3.0);
BENCHMARK_CAPTURE(BM_HeadlessSteps, pictures, true)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

}  // namespace
}  // namespace rq
