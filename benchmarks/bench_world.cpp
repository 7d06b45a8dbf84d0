// The world's two heavy moments: the whole start-up (tables, citizens, fuzz, the three-hour
// warm-up of every train) and one simulated game day of the network (1440 journey world steps).
#include <benchmark/benchmark.h>

#include <memory>

#include "world/Simulate.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

void BM_WorldStartup(benchmark::State& state) {
    auto sprites = std::make_unique<SpriteEngine>();
    std::uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>();
        state.ResumeTiming();
        StartWorld(*world, *sprites, seed++);
        benchmark::DoNotOptimize(world->CurCity);
    }
}
BENCHMARK(BM_WorldStartup)->Unit(benchmark::kMillisecond);

// Days are taken from a world that has run for a while, so the fuzz has spread as in a long game;
// the first days, with mixed clean and fuzzed cities, are measured apart.
void BM_SimulatedDay(benchmark::State& state) {
    auto world = std::make_unique<World>();
    auto sprites = std::make_unique<SpriteEngine>();
    StartWorld(*world, *sprites, 7);
    Simulation sim(*world, *sprites);
    for (int day = 0; day < state.range(0); ++day) {
        sim.Day();
    }
    for (auto _ : state) {
        sim.Day();
        benchmark::DoNotOptimize(world->DayNum);
    }
}
BENCHMARK(BM_SimulatedDay)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rq
