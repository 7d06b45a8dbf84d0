// Dropping, replicating and picking up the crystals that lie in the street.
#include "scene/Crystals.h"

#include "base/Rounding.h"
#include "scene/SceneObjects.h"
#include "scene/SceneRects.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"

namespace rq {

namespace {

constexpr int kSpawnTries = 100;

bool OnAnotherCrystal(const SpriteEngine& spr, int slot) {
    return iSprFindCollision(spr, slot, kFirstCrystalSlot, kLastCrystalSlot) != 0;
}

void RemoveCrystal(SpriteEngine& spr, int slot) {
    SprHide(spr, slot);
    spr[slot].Animating = false;
}

// Where a dropped crystal lands: centred on the dropper, then one dropper's size behind it.
int Behind(int position, int size, int crystalSize, int velocity) {
    const int centred = position + size / 2 - crystalSize / 2;
    if (velocity > 0) {
        return centred - size;
    }
    if (velocity < 0) {
        return centred + size;
    }
    return centred;
}

}  // namespace

int FindFreeCrystalSlot(const SpriteEngine& spr) {
    for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
        if (!spr[slot].Shown) {
            return slot;
        }
    }
    return 0;
}

void DropCrystal(SceneContext& ctx, int slot) {
    SpriteEngine& spr = ctx.spr;
    const Sprite& dropper = spr[slot];
    if (!dropper.Shown) {
        return;
    }
    std::int16_t& crystals = ctx.w.crystals(dropper.CitizenNo);
    const int k = FindFreeCrystalSlot(spr);
    // Standing still, nothing is dropped: the crystal would land under the dropper's feet.
    if (crystals >= 1 && k != 0 && (dropper.VX != 0 || dropper.VY != 0)) {
        --crystals;
        Sprite& crystal = spr[k];
        SprShowAt(spr, k, static_cast<std::int16_t>(Behind(dropper.X, dropper.Width, crystal.Width, dropper.VX)),
                  static_cast<std::int16_t>(Behind(dropper.Y, dropper.Height, crystal.Height, dropper.VY)));
        crystal.Frame = kCrystalLyingFrame;
        crystal.Animating = false;  // lies fully grown at once
        const SpriteFrame f = FrameAt(spr, kCrystalLyingFrame);
        crystal.SrcX = f.SrcX;
        crystal.SrcY = f.SrcY;
        if (FirstSceneRectHit(spr, k) != 0 || TouchSceneObjects(ctx, k) != 0 || OnAnotherCrystal(spr, k)) {
            RemoveCrystal(spr, k);
            ++crystals;  // the dropper keeps it
        } else {
            ctx.fx.PlayEffect(kDropCrystal);
            ctx.port.RefreshInfoForCurrentCity();
        }
    }
    if (slot == kPlayerSlot) {
        ctx.port.UpdateCrystalDisplay();
    }
}

void SpawnCrystal(SceneContext& ctx) {
    SpriteEngine& spr = ctx.spr;
    const int k = FindFreeCrystalSlot(spr);
    if (k == 0) {
        return;
    }
    int source = 0;
    for (int tries = 0; tries < kSpawnTries && source == 0; ++tries) {
        // Both numbers are drawn on every try, the coin also for an empty slot.
        const int s = ctx.w.Rng.Below(kLastCrystalSlot) + 1;
        const bool coin = ctx.w.Rng.OneIn(2);
        if (spr[s].Shown && coin) {
            source = s;
        }
    }
    if (source == 0) {
        return;
    }
    const Sprite& from = spr[source];
    const int w = spr[k].Width + 1;
    const int h = spr[k].Height + 1;
    // Directions 0..7 clockwise from above: the offsets, in widths and heights, one pixel apart.
    constexpr int kAround[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    const auto& d = kAround[ctx.w.Rng.Below(8)];
    SprShowAt(spr, k, static_cast<std::int16_t>(from.X + d[0] * w), static_cast<std::int16_t>(from.Y + d[1] * h));
    spr[k].Animating = true;
    if (FirstSceneRectHit(spr, k) != 0 || iSprCollide(spr, k, kTicketOfficeSlot) || iSprCollide(spr, k, kCapitolSlot) ||
        iSprCollide(spr, k, kFuzzbombSlot) || OnAnotherCrystal(spr, k)) {
        RemoveCrystal(spr, k);
    } else {
        ctx.fx.PlayEffect(kReplicateCrystal);
    }
}

void PickUpCrystals(SceneContext& ctx) {
    SpriteEngine& spr = ctx.spr;
    const int last = LastStreetActor(ctx.w);
    for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
        if (!spr[slot].Shown) {
            continue;
        }
        const int j = iSprFindCollision(spr, slot, kPlayerSlot, last);
        if (j == 0) {
            continue;
        }
        std::int16_t& crystals = ctx.w.crystals(spr[j].CitizenNo);
        const int limit = j == kPlayerSlot ? kPlayerCrystalLimit : kCitizenCrystalLimit;
        if (crystals < limit) {
            ++crystals;
            if (crystals == 0) {
                MakeCitizenActor(spr, ctx.fx, j);  // a fuzzy is cured
            }
            ctx.fx.PlayEffect(kPickCrystal);
            if (j == kPlayerSlot) {
                ctx.port.UpdateCrystalDisplay();
            }
            ctx.port.RefreshInfoForCurrentCity();
        } else {
            ctx.fx.PlayEffect(kMaxCrystals);
        }
        RemoveCrystal(spr, slot);
    }
}

void SpawnNowAndThen(SceneContext& ctx) {
    if (CInt(ctx.w.GameTime) % 9 == 0) {
        SpawnCrystal(ctx);
    }
}

}  // namespace rq
