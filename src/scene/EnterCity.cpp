// EnterCity: the street of a city is laid out afresh on every arrival.
#include "scene/EnterCity.h"

#include "base/Rounding.h"
#include "scene/SceneRects.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/Clock.h"
#include "world/Velocity.h"

namespace rq {

namespace {

// Retries for one actor's place before the last one tried is taken as it is. The streets have room
// for many times 25 actors, so this only guards against a damaged picture set (say, huge frames).
constexpr int kMaxPlacementTries = 10000;

std::int16_t Half(int value) {
    return static_cast<std::int16_t>(CInt(value / 2.0));
}

// The view an actor starts in, by size class: only views the class opens to walkers.
std::pair<int, int> ChooseView(World& w, std::int16_t size) {
    switch (size) {
        case 2:
            return {1, 1};
        case 3:
            return {1, w.Rng.Below(2) + 1};
        case 4: {
            int col = 0;
            int row = 0;
            do {
                col = w.Rng.Below(2);
                row = w.Rng.Below(2) + 1;
            } while (col == 0 && row == 2);  // walled off in this class
            return {col, row};
        }
        default:
            return {w.Rng.Below(2), w.Rng.Below(2) + 1};
    }
}

void PlaceActor(SceneContext& ctx, const City& city, int slot) {
    for (int tries = 0; tries < kMaxPlacementTries; ++tries) {
        const auto [col, row] = ChooseView(ctx.w, city.Size);
        const int x = ctx.w.Rng.Below(630) + 5;
        const int y = ctx.w.Rng.Below(367) + 5;
        SprShowAt(ctx.spr, slot, static_cast<std::int16_t>(col * kViewWidth + x),
                  static_cast<std::int16_t>(row * kViewHeight + y));
        SetRandomWalkingVelocity(ctx.w, ctx.spr[slot], kCitizenSpeed);
        if (IsPlacementFree(ctx, slot)) {
            return;
        }
    }
}

}  // namespace

void BuildSceneRects(SpriteEngine& spr, const City& city) {
    spr.gSceneRects = SceneRectsForSize(city.Size);
}

bool IsPlacementFree(SceneContext& ctx, int slot) {
    if (TouchSceneObjects(ctx, slot) != 0) {
        return false;
    }
    if (FirstSceneRectHit(ctx.spr, slot) != 0) {
        return false;
    }
    const int last = kPlayerSlot + ctx.w.city(ctx.w.CurCity).NumCitizens;
    return iSprFindCollision(ctx.spr, slot, kFirstActorSlot, last) == 0;
}

void EnterCity(SceneContext& ctx, std::int16_t cityNo) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    const City& city = w.city(cityNo);
    ctx.fx.SceneBuilding = true;  // the looks given below make no sound
    ctx.port.ShowTime(FormatClockTime(w, 0));
    ctx.port.SetStatusBarBlack(false);
    spr.gSceneRects.clear();
    spr.ViewCol = 1;
    spr.ViewRow = 0;
    ctx.port.ShowCityName(city.Name);
    BuildSceneRects(spr, city);

    // The skyline: the layers of the city's scenery bits, all centred on the platform.
    const std::int16_t skylineX = static_cast<std::int16_t>(kPlatformCentre - Half(spr[kFirstScenerySlot].Width));
    for (int bit = 0; bit < 3; ++bit) {
        if ((city.Scenery & (1 << bit)) != 0) {
            SprShowAt(spr, kFirstScenerySlot + bit, skylineX, 0);
        }
    }

    const int officeWidth = FrameAt(spr, kTicketOfficeFrame).Width;
    if (city.Size == 2) {
        SprShowAt(spr, kTicketOfficeSlot, static_cast<std::int16_t>(1270 - officeWidth), 387);
    } else if (city.Size == 3) {
        SprShowAt(spr, kTicketOfficeSlot, static_cast<std::int16_t>(1270 - officeWidth), 764);
    } else {
        SprShowAt(spr, kTicketOfficeSlot, static_cast<std::int16_t>(630 - officeWidth), 387);
    }
    ctx.port.FillTrainSchedule(cityNo);

    if (city.IsCapital) {
        const int capitolHeight = FrameAt(spr, kCapitolFrame).Height;
        if (city.Size == 2) {
            SprShowAt(spr, kCapitolSlot, 650, static_cast<std::int16_t>(744 - capitolHeight));
        } else if (city.Size == 3) {
            SprShowAt(spr, kCapitolSlot, 650, static_cast<std::int16_t>(1121 - capitolHeight));
        } else {
            SprShowAt(spr, kCapitolSlot, 10, static_cast<std::int16_t>(744 - capitolHeight));
        }
    }

    if (cityNo == w.FuzzbombCity) {
        SprShowAt(spr, kFuzzbombSlot, static_cast<std::int16_t>(kPlatformCentre - Half(spr[kFuzzbombSlot].Width)),
                  static_cast<std::int16_t>(CInt(1131 / 2.0 - spr[kFuzzbombSlot].Height / 2.0)));
    }

    // The citizens: all Blocked while they are placed, so the placement tests see where they stand.
    const int n = city.NumCitizens;
    for (int j = 1; j <= n; ++j) {
        spr[kPlayerSlot + j].Blocked = true;
    }
    for (int j = 1; j <= n; ++j) {
        const int slot = kPlayerSlot + j;
        spr[slot].CitizenNo = city.Citizens[static_cast<std::size_t>(j)];
        if (w.crystals(spr[slot].CitizenNo) >= 0) {
            MakeCitizenActor(spr, ctx.fx, slot);
        } else {
            MakeFuzzyActor(w, spr, ctx.fx, slot);
        }
        PlaceActor(ctx, city, slot);
        SetRandomFrame(w, spr, slot, kCitizenFirstFrame, static_cast<std::int16_t>(kCitizenFirstFrame + 3));
    }
    for (int j = 1; j <= n; ++j) {
        spr[kPlayerSlot + j].Blocked = false;
    }

    if (city.IsCapital) {
        ctx.port.ShowCapitalInfo(cityNo);
    }
    spr[kPlayerSlot].CitizenNo = kPlayer;
    ctx.fx.SceneBuilding = false;
}

}  // namespace rq
