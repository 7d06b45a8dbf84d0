// One city tick's drawing (compose, present) in the station view, against one plain copy of
// the whole back buffer.
#include <benchmark/benchmark.h>

#include <memory>

#include "sprite/Blit.h"
#include "sprite/CreateSprites.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteScene.h"
#include "sprite/SpriteSetup.h"

namespace rq {
namespace {

// An engine with frames of the game's sizes on a busy sheet, every slot made, and a full station
// scene shown: 25 actors, 100 crystals, a train and the three skyline layers.
std::unique_ptr<SpriteEngine> StationScene() {
    auto e = std::make_unique<SpriteEngine>();
    iSprCreateBackBuffer(*e, kBackBufferWidth, kBackBufferHeight);
    e->Sheet = Surface(700, 700);
    e->Mask = Surface(700, 700);
    for (std::size_t i = 0; i < e->Sheet.Pixels.size(); ++i) {
        const bool covered = (i * 2654435761u >> 7) % 3 != 0;
        e->Mask.Pixels[i] = covered ? 0u : 0x00FFFFFFu;
        e->Sheet.Pixels[i] = covered ? static_cast<std::uint32_t>(i * 40503u) & 0x00FFFFFFu : 0u;
    }
    auto frame = [](int x, int y, int w, int h) {
        return SpriteFrame{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), static_cast<std::int16_t>(w),
                           static_cast<std::int16_t>(h)};
    };
    for (int f = 0; f < 12; ++f) e->gFrames.push_back(frame(f * 26, 0, 24, 32));
    for (int f = 0; f < 6; ++f) e->gFrames.push_back(frame(f * 14, 40, 12, 12));
    e->gFrames.push_back(frame(0, 60, 96, 80));      // ticket office
    e->gFrames.push_back(frame(100, 60, 150, 110));  // capitol
    e->gFrames.push_back(frame(0, 180, 270, 44));    // trains
    e->gFrames.push_back(frame(280, 180, 280, 44));
    for (int f = 0; f < 4; ++f) e->gFrames.push_back(frame(f * 70, 240, 64, 64));
    for (int f = 0; f < 3; ++f) e->gFrames.push_back(frame(0, 320 + f * 125, 640, 120));
    e->gFrames.push_back({});
    e->Track = Surface(32, 10, 0x00505050u);
    SprBuildTrackStrip(*e);
    e->gSceneRects = {SceneRect{},
                      SceneRect{640, 184, 640, 10},
                      SceneRect{1275, 0, 10, 1131},
                      SceneRect{1067, 372, 213, 10},
                      SceneRect{0, 372, 853, 10},
                      SceneRect{640, 749, 640, 10},
                      SceneRect{635, 0, 10, 1131}};
    CreateSprites(*e);
    e->ViewCol = 1;
    e->ViewRow = 0;
    for (int s = 106; s <= 108; ++s) SprShowAt(*e, s, 640, 0);
    SprShowAt(*e, kTrainSprite, 700, 140);
    SprShowAt(*e, kTicketOfficeSlot, 1174, 387);
    for (int i = 0; i < 25; ++i) {
        SprShowAt(*e, kFirstActorSlot + i, static_cast<std::int16_t>(650 + (i % 5) * 120),
                  static_cast<std::int16_t>(200 + (i / 5) * 34));
    }
    SprShowAt(*e, kPlayerSlot, 900, 250);
    for (int i = 1; i <= 100; ++i) {
        SprShowAt(*e, i, static_cast<std::int16_t>(645 + (i * 37) % 620),
                  static_cast<std::int16_t>(200 + (i * 53) % 170));
    }
    return e;
}

void BM_TickDrawing(benchmark::State& state) {
    auto e = StationScene();
    Surface view(kViewWidth, kViewHeight);
    double time = 12 * 3600 * 3;
    SprComposeScene(*e, time);
    std::int16_t step = 1;
    for (auto _ : state) {
        // The walkers and the player step to and fro among the lying crystals and the standing train.
        for (int slot = kPlayerSlot; slot <= kLastActorSlot; ++slot) SprMoveBy(*e, slot, step, 0);
        step = static_cast<std::int16_t>(-step);
        SprComposeScene(*e, time);
        SprPresent(*e, view, e->ViewCol * kViewWidth, e->ViewRow * kViewHeight);
        time += 1;
        benchmark::DoNotOptimize(view.Pixels.data());
    }
}
BENCHMARK(BM_TickDrawing)->Unit(benchmark::kMicrosecond);

// The same tick when the whole street must be repainted (the first tick in a city, a new view).
void BM_TickDrawingFullRepaint(benchmark::State& state) {
    auto e = StationScene();
    Surface view(kViewWidth, kViewHeight);
    const double time = 12 * 3600 * 3;
    SprComposeScene(*e, time);
    for (auto _ : state) {
        e->Ground.Valid = false;
        SprComposeScene(*e, time);
        SprPresent(*e, view, e->ViewCol * kViewWidth, e->ViewRow * kViewHeight);
        benchmark::DoNotOptimize(view.Pixels.data());
    }
}
BENCHMARK(BM_TickDrawingFullRepaint)->Unit(benchmark::kMicrosecond);

void BM_BackBufferCopy(benchmark::State& state) {
    Surface from(kBackBufferWidth, kBackBufferHeight, 0x00FFE0C0u);
    Surface to(kBackBufferWidth, kBackBufferHeight);
    for (auto _ : state) {
        Blit(to, 0, 0, kBackBufferWidth, kBackBufferHeight, from, 0, 0, RasterOp::Copy);
        benchmark::DoNotOptimize(to.Pixels.data());
    }
}
BENCHMARK(BM_BackBufferCopy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rq
