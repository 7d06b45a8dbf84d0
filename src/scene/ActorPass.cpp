// The look ahead of the street's walkers and the collision passes of a tick.
#include "scene/ActorPass.h"

#include <utility>

#include "scene/ActorSlots.h"
#include "scene/Fuzzies.h"
#include "scene/PlayerControl.h"
#include "scene/SceneObjects.h"
#include "scene/SceneRects.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/Trains.h"
#include "world/Velocity.h"

namespace rq {

namespace {

bool PlayerIsFuzzed(const World& w) {
    return w.crystals(kPlayer) == kFuzzed;
}

// The first walker of the passes: the player walks on its own only while fuzzed.
int FirstWalker(const World& w) {
    return PlayerIsFuzzed(w) ? kPlayerSlot : kFirstActorSlot;
}

SpriteBox RectBox(const SceneRect& r) {
    return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

// Two actors meet: they exchange velocities; with the player involved, the two are set apart at
// their own speeds; a fuzzy meeting a person hits it.
void MeetActor(SceneContext& ctx, int slot, int other) {
    SpriteEngine& spr = ctx.spr;
    Sprite& a = spr[slot];
    Sprite& b = spr[other];
    std::swap(a.VX, b.VX);
    std::swap(a.VY, b.VY);
    if (slot == kPlayerSlot || other == kPlayerSlot) {
        Sprite& player = spr[kPlayerSlot];
        Sprite& actor = slot == kPlayerSlot ? b : a;
        // Walking on together the same way, the player turns round.
        if (Sign(player.VX) == Sign(actor.VX) && Sign(player.VY) == Sign(actor.VY)) {
            player.VX = static_cast<std::int16_t>(-player.VX);
            player.VY = static_cast<std::int16_t>(-player.VY);
        }
        SetActorSpeed(player, kPlayerSpeed);
        SetActorSpeed(actor, kCitizenSpeed);
    }
    const bool slotFuzzed = IsFuzzyActor(ctx.w, a);
    const bool otherFuzzed = IsFuzzyActor(ctx.w, b);
    if (!otherFuzzed && slotFuzzed) {
        FuzzyHit(ctx, other, slot);
    } else if (!slotFuzzed && otherFuzzed) {
        FuzzyHit(ctx, slot, other);
    }
    ctx.scene.ActorPassAgain = true;
}

// Is the actor coming onto the player along one axis: from before its near edge, or from beyond its
// far edge, reaching it with this move?
bool ComesOnto(int pos, int size, int v, int playerPos, int playerSize) {
    return (pos + size < playerPos && pos + size + v >= playerPos) ||
           (pos > playerPos + playerSize && pos + v <= playerPos + playerSize);
}

// A citizen meets the clean player: it turns back, turns off the player's path or is pushed along.
// False when both walk the same way (straight at full speed, 8 and 7, counts as the same way).
bool MeetPlayer(SceneContext& ctx, int slot) {
    const Sprite& player = ctx.spr[kPlayerSlot];
    Sprite& actor = ctx.spr[slot];
    if (player.VX * kCitizenSpeed == actor.VX * kPlayerSpeed && player.VY * kCitizenSpeed == actor.VY * kPlayerSpeed) {
        return false;
    }
    bool pushed = false;
    if (player.VX == 0 && player.VY == 0) {
        actor.VX = static_cast<std::int16_t>(-actor.VX);
        actor.VY = static_cast<std::int16_t>(-actor.VY);
    } else if (player.VY == 0) {
        pushed = !ComesOnto(actor.Y, actor.Height, actor.VY, player.Y, player.Height);
        if (!pushed) {
            actor.VY = static_cast<std::int16_t>(-actor.VY);
        }
    } else if (player.VX == 0) {
        pushed = !ComesOnto(actor.X, actor.Width, actor.VX, player.X, player.Width);
        if (!pushed) {
            actor.VX = static_cast<std::int16_t>(-actor.VX);
        }
    } else {
        pushed = true;
    }
    if (pushed) {
        actor.VX = player.VX;
        actor.VY = player.VY;
        SetActorSpeed(actor, kCitizenSpeed);
    }
    if (IsFuzzyActor(ctx.w, actor)) {
        FuzzyHit(ctx, kPlayerSlot, slot);
    }
    return true;
}

// Would the walker's next move take it into a wall, the track, a building, the fuzzbomb or the
// player? Asks without turning it or touching anyone.
bool WouldRunIntoTheStreet(const SpriteEngine& spr, int slot) {
    return iSprCollide(spr, slot, kTicketOfficeSlot) || iSprCollide(spr, slot, kCapitolSlot) ||
           iSprCollide(spr, slot, kFuzzbombSlot) || FirstSceneRectHit(spr, slot) != 0 ||
           iSprCollide(spr, slot, kPlayerSlot);
}

}  // namespace

bool BoardTrain(SceneContext& ctx, int slot) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    const std::int16_t t = CurrentTrainSlot(w);
    if (!TrainStandsAtPlatform(spr)) {
        return false;
    }
    if (slot == kPlayerSlot) {
        return true;  // the player takes its seat when the train has left
    }
    if (IsFuzzyActor(w, spr[slot]) && w.PlatformTicks < kLastCallTicks) {
        return false;
    }
    const int seat = FirstFreeSeat(w, w.CurCity, t);
    if (seat > kSeats) {
        return false;  // a full train: the walker would be in no city and no train
    }
    RiderAt(w, w.CurCity, t, 1, seat) = spr[slot].CitizenNo;
    SprHide(spr, slot);
    return true;
}

bool iActorLookAhead(SceneContext& ctx, int slot) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    const int first = FirstWalker(w);
    const int last = LastStreetActor(w);
    bool turned = false;
    if (TouchSceneObjects(ctx, slot) != 0) {
        turned = true;
    } else if (const int r = FirstSceneRectHit(spr, slot); r != 0) {
        if (r == kTrackRect && BoardTrain(ctx, slot)) {
            if (slot == kPlayerSlot) {
                SprHide(spr, kPlayerSlot);
            }
            return false;
        }
        BounceOffBox(spr[slot], RectBox(spr.gSceneRects.at(static_cast<std::size_t>(r))));
        turned = true;
    } else if (const int j = iSprFindCollision(spr, slot, first, last); j != 0) {
        const Sprite& a = spr[slot];
        const Sprite& b = spr[j];
        // Side by side on the same course, two walkers go on together.
        if (a.VX != b.VX || a.VY != b.VY || a.Blocked || b.Blocked) {
            MeetActor(ctx, slot, j);
            turned = true;
        }
    }
    if (first == kFirstActorSlot && !turned && iSprCollide(spr, slot, kPlayerSlot)) {
        return MeetPlayer(ctx, slot);
    }
    return turned;
}

void ActorPass(SceneContext& ctx) {
    const int first = FirstWalker(ctx.w);
    const int last = LastStreetActor(ctx.w);
    for (int slot = first; slot <= last; ++slot) {
        Sprite& walker = ctx.spr[slot];
        if (!walker.Shown || walker.Blocked) {
            continue;
        }
        // A walker that turned tries its new course at once; if that turns it too, it stands still
        // this tick.
        if (iActorLookAhead(ctx, slot)) {
            walker.Blocked = iActorLookAhead(ctx, slot);
        } else {
            walker.Blocked = false;
        }
    }
    CompactActors(ctx);
}

int CollisionPasses(SceneContext& ctx) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    Scene& scene = ctx.scene;
    int passes = 0;
    do {
        scene.ActorPassAgain = false;
        PlayerCollisions(ctx);
        ActorPass(ctx);
        // A clean player about to run into a citizen stops, and the walkers look again.
        if (!PlayerIsFuzzed(w) && iSprFindCollision(spr, kPlayerSlot, kFirstActorSlot, LastStreetActor(w)) != 0) {
            spr[kPlayerSlot].VX = 0;
            spr[kPlayerSlot].VY = 0;
            ActorPass(ctx);
        }
        ++passes;
    } while (scene.ActorPassAgain && passes < kMaxCollisionPasses);
    if (scene.ActorPassAgain) {
        // Walkers still jostling each other may walk on and part; none walks into the street's walls,
        // buildings or the player unchecked.
        for (int slot = FirstWalker(w); slot <= LastStreetActor(w); ++slot) {
            Sprite& walker = spr[slot];
            if (walker.Shown && !walker.Blocked && WouldRunIntoTheStreet(spr, slot)) {
                walker.Blocked = true;
            }
        }
    }
    return passes;
}

}  // namespace rq
