// One whole city tick in a busy street, with the game's own pictures: 25 walking actors (some of
// them fuzzies), 60 crystals lying about, the player on the platform and a full train standing;
// and the same tick without drawing, the street's rules alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

#include "scene/CityTick.h"
#include "scene/Crystals.h"
#include "scene/EnterCity.h"
#include "scene/SceneRects.h"
#include "shell/Startup.h"
#include "sprite/BmpPictureLoader.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteSetup.h"
#include "support/FakeFrontend.h"
#include "world/Actors.h"
#include "world/CityTable.h"
#include "world/Trains.h"

namespace rq {
namespace {

// The window's side costs nothing here: only the game's own work is measured.
class QuietWindow : public test::FakeFrontend {
public:
    using FakeFrontend::FakeFrontend;
    void PresentView(const Surface&, std::span<const PixelRect>) override {}
};

class BusyStreet {
public:
    explicit BusyStreet(bool drawn) {
        game_->shell.AppPath = RAILQUEST_ASSET_DIR;
        BmpPictureLoader loader;
        BeginGame(*game_, 11);
        if (!LoadGameFiles(*game_, loader, window_) || !BuildGame(*game_)) {
            throw std::runtime_error("the game's files did not load");
        }
        SprBuildTrackStrip(game_->sprites);
        World& w = game_->world;
        // A fuzzed city next to the fuzzbomb, filled up with citizens from elsewhere.
        w.CurCity = w.city(w.FuzzbombCity).TrainDest[1];
        for (std::int16_t donor = 1; w.city(w.CurCity).NumCitizens < kMaxCitizensInCity; ++donor) {
            if (donor != w.CurCity && w.city(donor).NumCitizens > 0) {
                const std::int16_t who = w.city(donor).Citizens[1];
                RemoveCitizenFromCity(w, donor, 1);
                AddCitizenToCity(w, game_->sprites, who, w.CurCity);
            }
        }
        const City& city = w.city(w.CurCity);
        for (int p = 1; p <= city.NumCitizens; ++p) {
            w.crystals(city.Citizens[static_cast<std::size_t>(p)]) = static_cast<std::int16_t>(p % 4 == 0 ? -1 : 4);
        }
        EnterCity(ctx_, w.CurCity);
        SprShowAt(game_->sprites, kPlayerSlot, 948, 195);
        if (!drawn) {  // without a back buffer nothing is drawn: the street's rules alone
            game_->sprites.Back.Release();
            game_->scene.View.Release();
        }
    }

    // Between ticks: the train stands full at the platform (nobody boards, it never leaves), the
    // clock stays clear of the next train's arrival, and the street keeps its crystals and fuzzies.
    void KeepBusy(int tick) {
        World& w = game_->world;
        SpriteEngine& spr = game_->sprites;
        SprShowAt(spr, kTrainSprite, 832, 136);
        spr[kTrainSprite].VX = 0;
        w.PlatformTicks = 10;
        for (int k = 1; k <= kSeats; ++k) RiderAt(w, w.CurCity, 1, 1, k) = static_cast<std::int16_t>(k);
        w.GameTime = 1000 + tick % 300;
        int lying = 0;
        for (int k = 1; k <= 100; ++k) lying += spr[k].Shown ? 1 : 0;
        for (int k = FindFreeCrystalSlot(spr); lying < 60; k = FindFreeCrystalSlot(spr)) {
            SprShowAt(spr, k, static_cast<std::int16_t>(660 + dice_() % 600),
                      static_cast<std::int16_t>(400 + dice_() % 700));
            if (FirstSceneRectHit(spr, k) != 0)
                SprHide(spr, k);
            else
                ++lying;
        }
        for (int slot = kFirstActorSlot; slot <= LastStreetActor(w) && !AnyFuzzy(); ++slot) {
            MakeFuzzyActor(w, spr, game_->effects, slot);
        }
    }

    void Tick() { TimerInCity(ctx_); }

private:
    bool AnyFuzzy() const {
        for (int slot = kFirstActorSlot; slot <= LastStreetActor(game_->world); ++slot) {
            if (game_->world.crystals(game_->sprites[slot].CitizenNo) == kFuzzed) return true;
        }
        return false;
    }

    std::unique_ptr<Game> game_ = std::make_unique<Game>();
    QuietWindow window_{*game_};
    SceneContext ctx_ = SceneOf(*game_, window_);
    std::mt19937 dice_{3};
};

// Each repetition times one tick of the same street, so the statistics are over single ticks.
void RunTicks(benchmark::State& state, BusyStreet& street, int& tick) {
    for (auto _ : state) {
        state.PauseTiming();
        street.KeepBusy(tick++);
        state.ResumeTiming();
        street.Tick();
    }
}

void BM_BusyCityTick(benchmark::State& state) {
    static BusyStreet street(true);
    static int tick = 0;
    RunTicks(state, street, tick);
}

void BM_BusyStreetRulesOnly(benchmark::State& state) {
    static BusyStreet street(false);
    static int tick = 0;
    RunTicks(state, street, tick);
}

double Percentile(const std::vector<double>& values, double p) {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
}

void SingleTicks(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)
        ->Iterations(1)
        ->Repetitions(3000)
        ->ComputeStatistics("p50", [](const std::vector<double>& v) { return Percentile(v, 0.50); })
        ->ComputeStatistics("p99", [](const std::vector<double>& v) { return Percentile(v, 0.99); })
        ->ReportAggregatesOnly(true);
}
BENCHMARK(BM_BusyCityTick)->Apply(SingleTicks);
BENCHMARK(BM_BusyStreetRulesOnly)->Apply(SingleTicks);

}  // namespace
}  // namespace rq
