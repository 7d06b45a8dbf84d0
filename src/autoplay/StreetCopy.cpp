// The autoplayer's scratch street: a copy of the sprite table and of the current city, played on with
// the city tick's own steps, minus what a copy cannot know (the network's arrivals) or need not show
// (the picture, the sounds, the panels).
#include "autoplay/StreetCopy.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "base/Rounding.h"
#include "game/Game.h"
#include "scene/ActorPass.h"
#include "scene/Crystals.h"
#include "scene/Fuzzies.h"
#include "scene/PlayerControl.h"
#include "world/Actors.h"
#include "world/Clock.h"
#include "world/Platform.h"

namespace rq {

namespace {

// A window that shows nothing: the copy's street is never seen.
class NoWindow final : public ScenePort {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void UpdateCrystalDisplay() override {}
    void ShowTime(const std::string&) override {}
    void ShowCityName(const std::string&) override {}
    void SetStatusBarBlack(bool) override {}
    void SetBannerText(const std::string&) override {}
    void SetBannerVisible(bool) override {}
    void FillTrainSchedule(std::int16_t) override {}
    void ShowTicketWindow() override {}
    bool IsTicketWindowVisible() const override { return false; }
    void ShowCapitalInfo(std::int16_t) override {}
    void OpenMapFromCapitol() override {}
    bool IsInfoPanelVisible() const override { return false; }
    void RefreshInfoForCurrentCity() override {}
    void RefreshMapAndInfo() override {}
    void ClearPanels() override {}
    void SyncMenus() override {}
    void ShowTransit(const std::string&, const std::string&, const std::string&) override {}
    void UpdateTransit(const std::string&, const std::string&) override {}
    void HideTransit() override {}
    void PresentView(const Surface&, std::span<const PixelRect>) override {}
};

struct Taken {
    std::array<Sprite, kSpriteSlots> Sprites{};
    std::int16_t ViewCol = 1;
    std::int16_t ViewRow = 0;
    City Here;
    std::vector<std::pair<std::int16_t, std::int16_t>> Crystals;  // citizen, crystals
    std::int16_t CurCity = 0;
    std::int16_t FuzzbombCity = 0;
    double GameTime = 0;
    std::int32_t DayNum = 1;
    double PlatformTicks = 0;
    std::int16_t StoppedSpeed = 0;
    std::int16_t SelectedTrain = 0;
    Random Rng;  // seeded once, copied at each reset: seeding anew each time costs more than the tick
};

Poses PosesIn(const World& w, const SpriteEngine& spr) {
    Poses poses{};
    for (int slot = kPlayerSlot; slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (a.Shown) {
            poses[static_cast<std::size_t>(slot - kPlayerSlot)] = {true, IsFuzzyActor(w, a), a.X, a.Y, a.VX,
                                                                   a.VY, a.CitizenNo};
        }
    }
    return poses;
}

}  // namespace

Poses PosesOf(const Game& game) {
    return PosesIn(game.world, game.sprites);
}

struct StreetCopy::Scratch {
    World w;
    SpriteEngine spr;
    EffectPlayer fx{nullptr, false, false};
    NoWindow port;
    Scene scene;
    Taken taken;
    SceneContext ctx{w, spr, fx, port, scene};
};

StreetCopy::StreetCopy() = default;
StreetCopy::~StreetCopy() = default;

void StreetCopy::Take(const Game& game) {
    if (!s_) {
        s_ = std::make_unique<Scratch>();
    }
    const World& w = game.world;
    const SpriteEngine& spr = game.sprites;
    Taken& t = s_->taken;
    t.Sprites = spr.gSprites;
    t.ViewCol = spr.ViewCol;
    t.ViewRow = spr.ViewRow;
    t.CurCity = w.CurCity;
    t.Here = w.city(w.CurCity);
    t.Crystals.clear();
    t.Crystals.emplace_back(kPlayer, w.crystals(kPlayer));
    for (int p = 1; p <= t.Here.NumCitizens; ++p) {
        const std::int16_t c = t.Here.Citizens[static_cast<std::size_t>(p)];
        t.Crystals.emplace_back(c, w.crystals(c));
    }
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (a.Shown && a.CitizenNo > 0 && a.CitizenNo <= kPlayer) {
            t.Crystals.emplace_back(a.CitizenNo, w.crystals(a.CitizenNo));
        }
    }
    t.FuzzbombCity = w.FuzzbombCity;
    t.GameTime = w.GameTime;
    t.DayNum = w.DayNum;
    t.PlatformTicks = w.PlatformTicks;
    t.StoppedSpeed = w.StoppedSpeed;
    t.SelectedTrain = game.scene.SelectedTrain;
    // The street's walls and the frames change only from one city to the next.
    if (s_->spr.gSceneRects.size() != spr.gSceneRects.size() ||
        !std::equal(spr.gSceneRects.begin(), spr.gSceneRects.end(), s_->spr.gSceneRects.begin(),
                    [](const SceneRect& a, const SceneRect& b) {
                        return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
                    })) {
        s_->spr.gSceneRects = spr.gSceneRects;
    }
    if (s_->spr.gFrames.size() != spr.gFrames.size()) {
        s_->spr.gFrames = spr.gFrames;
    }
}

void StreetCopy::Seed(std::uint64_t seed) {
    s_->taken.Rng.Seed(seed);
}

void StreetCopy::Reset() {
    const Taken& t = s_->taken;
    World& w = s_->w;
    s_->spr.gSprites = t.Sprites;
    s_->spr.ViewCol = t.ViewCol;
    s_->spr.ViewRow = t.ViewRow;
    w.CurCity = t.CurCity;
    w.city(t.CurCity) = t.Here;
    for (const auto& [citizen, crystals] : t.Crystals) {
        w.crystals(citizen) = crystals;
    }
    w.FuzzbombCity = t.FuzzbombCity;
    w.GameTime = t.GameTime;
    w.DayNum = t.DayNum;
    w.PlatformTicks = t.PlatformTicks;
    w.StoppedSpeed = t.StoppedSpeed;
    w.Rng = t.Rng;
    s_->scene.SelectedTrain = t.SelectedTrain;
    s_->scene.Meetings.clear();
}

int StreetCopy::Tick(std::uint16_t keys) {
    SceneContext& ctx = s_->ctx;
    World& w = s_->w;
    SpriteEngine& spr = s_->spr;
    AdvanceClock(w, 1);
    ctx.scene.InputBits = keys;
    SteerPlayer(ctx);
    // The standing train counts its ticks and leaves at the end of its stop (a train coming in is only
    // track for the copy); who arrives with it, the copy cannot know.
    for (const int t : {kTrainSprite, kMarkedTrainSprite}) {
        Sprite& train = spr[t];
        if (train.Shown && train.VX == 0) {
            w.PlatformTicks += 1;
            if (w.PlatformTicks >= kStandTicks) {
                train.VX = w.StoppedSpeed;
                w.PlatformTicks = 0;
            }
        }
    }
    ctx.scene.Meetings.clear();
    AimFuzzies(ctx);
    CollisionPasses(ctx);
    MovePlayerAndView(ctx);
    MoveActors(ctx);
    if ((keys & kInputAction) != 0) {
        DropCrystal(ctx, kPlayerSlot);
    }
    SpawnNowAndThen(ctx);
    PickUpCrystals(ctx);
    return static_cast<int>(std::count_if(ctx.scene.Meetings.begin(), ctx.scene.Meetings.end(),
                                          [](const auto& m) { return m.first == kPlayerSlot; }));
}

const SpriteEngine& StreetCopy::Sprites() const {
    return s_->spr;
}

bool StreetCopy::FigureFuzzed() const {
    return s_->w.crystals(kPlayer) == kFuzzed;
}

int StreetCopy::TrainTicksLeft() const {
    if (!TrainStandsAtPlatform(s_->spr)) {
        return 0;
    }
    return std::max(0, kStandTicks - static_cast<int>(s_->w.PlatformTicks));
}

Poses StreetCopy::PosesNow() const {
    return PosesIn(s_->w, s_->spr);
}

int StreetCopy::Clock() const {
    return CInt(s_->w.GameTime);
}

int StreetCopy::Fuzzies() const {
    int n = 0;
    const int last = LastStreetActor(s_->w);
    for (int slot = kFirstActorSlot; slot <= last && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = s_->spr[slot];
        n += a.Shown && IsFuzzyActor(s_->w, a) ? 1 : 0;
    }
    return n;
}

int StreetCopy::FuzzyGap() const {
    const SpriteEngine& spr = s_->spr;
    const Sprite& p = spr[kPlayerSlot];
    int gap = std::numeric_limits<int>::max();
    const int last = LastStreetActor(s_->w);
    for (int slot = kFirstActorSlot; slot <= last && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (a.Shown && IsFuzzyActor(s_->w, a)) {
            const int gx = std::max(a.X - (p.X + p.Width), p.X - (a.X + a.Width));
            const int gy = std::max(a.Y - (p.Y + p.Height), p.Y - (a.Y + a.Height));
            gap = std::min(gap, std::max(gx, gy));
        }
    }
    return gap;
}

}  // namespace rq
