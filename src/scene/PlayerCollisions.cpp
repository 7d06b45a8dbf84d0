// What the player's figure runs into on its next step: the buildings, the track and its train, the
// walls, and the citizens it bounces, pushes or is touched by.
#include "scene/Fuzzies.h"
#include "scene/PlayerControl.h"
#include "scene/SceneObjects.h"
#include "scene/SceneRects.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/Velocity.h"

namespace rq {

namespace {

void Stop(Sprite& s) {
    s.VX = 0;
    s.VY = 0;
}

std::int16_t Sign(int v) {
    return static_cast<std::int16_t>(v > 0 ? 1 : (v < 0 ? -1 : 0));
}

// The player at the track gets on in the last ticks of a stop, or when the standing train is the one
// chosen in the ticket window.
bool MayBoard(const SceneContext& ctx) {
    return ctx.w.PlatformTicks >= kLastCallTicks ||
           (TrainStandsAtPlatform(ctx.spr) && ctx.scene.SelectedTrain == CurrentTrainSlot(ctx.w));
}

// Is `other` coming onto the player's near edge along one axis: from before `a` (its far side pos
// + size reaches a) or from beyond `a + length` (its near side comes back to it)?
bool ComingOnto(int pos, int size, int v, int a, int length) {
    return (pos + size < a && pos + size + v >= a) || (pos > a + length && pos + v <= a + length);
}

// The player pushes the citizen on in its own direction at a citizen's speed, and stops.
void Push(Sprite& player, Sprite& citizen) {
    citizen.VX = Sign(player.VX);
    citizen.VY = Sign(player.VY);
    SetActorSpeed(citizen, kCitizenSpeed);
    Stop(player);
}

// A moving player meets the citizen in `slot`: a citizen merely crossing the player's path turns back
// on that axis; one in the way is pushed.
void MeetCitizen(Sprite& player, Sprite& citizen) {
    if (player.VX != 0 && player.VY == 0) {
        if (ComingOnto(citizen.Y, citizen.Height, citizen.VY, player.Y, player.Height)) {
            citizen.VY = static_cast<std::int16_t>(-citizen.VY);
        } else {
            Push(player, citizen);
        }
    } else if (player.VX != 0 || player.VY != 0) {
        if (ComingOnto(citizen.X, citizen.Width, citizen.VX, player.X, player.Width)) {
            citizen.VX = static_cast<std::int16_t>(-citizen.VX);
        } else {
            Push(player, citizen);
        }
    }
}

}  // namespace

void PlayerCollisions(SceneContext& ctx) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    Sprite& player = spr[kPlayerSlot];
    if (!player.Shown || w.crystals(kPlayer) < 0) {
        return;
    }
    const std::int16_t object = TouchSceneObjects(ctx, kPlayerSlot);
    if (object == kTicketOfficeSlot || object == kCapitolSlot) {
        Stop(player);  // nobody walks into a building
        return;
    }
    if (object == kFuzzbombSlot) {
        return;
    }
    if (const int r = FirstSceneRectHit(spr, kPlayerSlot); r != 0) {
        if (r == kTrackRect && MayBoard(ctx)) {
            SprHide(spr, kPlayerSlot);
        } else {
            Stop(player);  // the platform's edge, or a wall
        }
        return;
    }
    const int k = iSprFindCollision(spr, kPlayerSlot, kFirstActorSlot, LastStreetActor(w));
    if (k == 0) {
        return;
    }
    MeetCitizen(player, spr[k]);
    if (IsFuzzyActor(w, spr[k])) {
        FuzzyHit(ctx, kPlayerSlot, k);
    }
}

}  // namespace rq
