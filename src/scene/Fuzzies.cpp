// Fuzzies hunt the people of their view, citizens walk to crystals, and a fuzzy's touch costs crystals.
#include "scene/Fuzzies.h"

#include <cmath>

#include "base/Rounding.h"
#include "scene/Crystals.h"
#include "sprite/SpriteDraw.h"
#include "world/Actors.h"
#include "world/Velocity.h"

namespace rq {

namespace {

// For one picture the hit person shows the fuzzy look; FrameDelay 1 marks the flash.
void Flash(SpriteEngine& spr, Sprite& s, std::int16_t ownFirst) {
    ChangeLook(spr, s, ownFirst, kFuzzyFirstFrame);
    s.FrameDelay = 1;
}

// Back to the person's own look after a flash. Only a frame still in the fuzzy look is shifted: an
// actor that left the street while flashing and came back as a newcomer already shows its own.
void Unflash(SpriteEngine& spr, Sprite& s, std::int16_t ownFirst) {
    ChangeLook(spr, s, kFuzzyFirstFrame, ownFirst);
    s.FrameDelay = 3;
}

// A view of the scene, by column and row, of a point.
struct View {
    int Col, Row;
    bool operator==(const View&) const = default;
};

View ViewAt(double x, double y) {
    return {Int(x / kViewWidth), Int(y / kViewHeight)};
}

int DistanceBetween(const Sprite& a, const Sprite& b) {
    const double dx = a.X - b.X;
    const double dy = a.Y - b.Y;
    return CInt(std::sqrt(dy * dy + dx * dx));
}

// The nearest of the candidates seen so far: a later one wins only when strictly nearer.
struct Nearest {
    int Slot = 0;
    int Best = 0;
    void Offer(const SpriteEngine& spr, const Sprite& from, int slot) {
        const int d = DistanceBetween(from, spr[slot]);
        if (Slot == 0 || d < Best) {
            Slot = slot;
            Best = d;
        }
    }
};

bool IsPersonTarget(const SceneContext& ctx, int slot) {
    const Sprite& s = ctx.spr[slot];
    return s.Shown && !IsFuzzyActor(ctx.w, s);
}

// A fuzzy hunts the nearest person of its own view (by top-left corners).
int PersonToHunt(const SceneContext& ctx, int fuzzy, int last) {
    const Sprite& f = ctx.spr[fuzzy];
    const View here = ViewAt(f.X, f.Y);
    Nearest nearest;
    for (int slot = kPlayerSlot; slot <= last; ++slot) {
        const Sprite& s = ctx.spr[slot];
        if (slot != fuzzy && IsPersonTarget(ctx, slot) && ViewAt(s.X, s.Y) == here) {
            nearest.Offer(ctx.spr, f, slot);
        }
    }
    return nearest.Slot;
}

// A citizen heads for the nearest crystal of the view its centre stands in; a crystal across a view
// border counts when either of its corners lies in that view.
int CrystalToFetch(const SceneContext& ctx, int citizen) {
    const Sprite& c = ctx.spr[citizen];
    const View here = ViewAt(c.X + c.Width / 2.0, c.Y + c.Height / 2.0);
    Nearest nearest;
    for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
        const Sprite& k = ctx.spr[slot];
        if (k.Shown && (ViewAt(k.X, k.Y) == here || ViewAt(k.X + k.Width, k.Y + k.Height) == here)) {
            nearest.Offer(ctx.spr, c, slot);
        }
    }
    return nearest.Slot;
}

std::int16_t Toward(int targetLow, int targetHigh, int low, int high, std::int16_t speed) {
    if (targetLow > high) {
        return speed;
    }
    if (targetHigh < low) {
        return static_cast<std::int16_t>(-speed);
    }
    return 0;
}

void Steer(Sprite& walker, const Sprite& target, std::int16_t speed) {
    std::int16_t vx = Toward(target.X, target.X + target.Width, walker.X, walker.X + walker.Width, speed);
    std::int16_t vy = Toward(target.Y, target.Y + target.Height, walker.Y, walker.Y + walker.Height, speed);
    if (vx == 0 && vy == 0) {
        return;  // the target overlaps the walker: it keeps its course
    }
    if (vx != 0 && vy != 0) {
        vx = DiagonalSpeed(vx);
        vy = DiagonalSpeed(vy);
    }
    walker.VX = vx;
    walker.VY = vy;
}

void Aim(SceneContext& ctx, int first, int last) {
    for (int slot = first; slot <= last; ++slot) {
        Sprite& walker = ctx.spr[slot];
        const int target = IsFuzzyActor(ctx.w, walker) ? PersonToHunt(ctx, slot, last) : CrystalToFetch(ctx, slot);
        if (target != 0) {
            Steer(walker, ctx.spr[target], slot == kPlayerSlot ? kPlayerSpeed : kCitizenSpeed);
        }
    }
}

// The eight courses of a wander, at citizen speed for everyone (the diagonals are 7 / √2 rounded).
constexpr std::int16_t kWanderCourses[8][2] = {{7, 0}, {-7, 0}, {0, 7}, {0, -7}, {5, 5}, {-5, 5}, {5, -5}, {-5, -5}};

void Wander(SceneContext& ctx, int first, int last) {
    for (int slot = first; slot <= last; ++slot) {
        if (ctx.w.Rng.OneIn(20)) {
            const auto& course = kWanderCourses[ctx.w.Rng.Below(8)];
            ctx.spr[slot].VX = course[0];
            ctx.spr[slot].VY = course[1];
        }
    }
}

// While a fuzzy is about, each citizen that carries crystals drops one now and then.
void DropWhileFuzziesAbout(SceneContext& ctx, int last) {
    if (!AnyFuzzyPresent(ctx)) {
        return;
    }
    for (int slot = kFirstActorSlot; slot <= last; ++slot) {
        if (ctx.w.crystals(ctx.spr[slot].CitizenNo) >= 1 && ctx.w.Rng.OneIn(6)) {
            DropCrystal(ctx, slot);
        }
    }
}

}  // namespace

void FuzzyHit(SceneContext& ctx, int person, int fuzzy) {
    if (PairAlreadyHit(ctx.scene, person, fuzzy)) {
        return;
    }
    Sprite& p = ctx.spr[person];
    std::int16_t& crystals = ctx.w.crystals(p.CitizenNo);
    if (crystals == 0) {
        crystals = kFuzzed;
        MakeFuzzyActor(ctx.w, ctx.spr, ctx.fx, person);
    } else {
        crystals = static_cast<std::int16_t>(Int(crystals / 2.0));
        Flash(ctx.spr, p, person == kPlayerSlot ? kPlayerFirstFrame : kCitizenFirstFrame);
    }
    if (person == kPlayerSlot) {
        ctx.port.UpdateCrystalDisplay();
    }
    ctx.scene.Meetings.emplace_back(static_cast<std::int16_t>(person), static_cast<std::int16_t>(fuzzy));
}

bool PairAlreadyHit(const Scene& scene, int person, int fuzzy) {
    for (const auto& [p, f] : scene.Meetings) {
        if (p == person && f == fuzzy) {
            return true;
        }
    }
    return false;
}

void EndHitFlash(SceneContext& ctx) {
    SpriteEngine& spr = ctx.spr;
    if (spr[kPlayerSlot].FrameDelay == 1) {
        Unflash(spr, spr[kPlayerSlot], kPlayerFirstFrame);
    }
    const int last = LastStreetActor(ctx.w);
    for (int slot = kFirstActorSlot; slot <= last; ++slot) {
        if (spr[slot].FrameDelay == 1) {
            Unflash(spr, spr[slot], kCitizenFirstFrame);
        }
    }
}

bool AnyFuzzyPresent(const SceneContext& ctx) {
    if (ctx.w.crystals(kPlayer) == kFuzzed) {
        return true;
    }
    const int last = LastStreetActor(ctx.w);
    for (int slot = kFirstActorSlot; slot <= last; ++slot) {
        if (IsFuzzyActor(ctx.w, ctx.spr[slot])) {
            return true;
        }
    }
    return false;
}

void AimFuzzies(SceneContext& ctx) {
    const int t = CInt(ctx.w.GameTime);
    const int first = ctx.w.crystals(kPlayer) == kFuzzed ? kPlayerSlot : kFirstActorSlot;
    const int last = LastStreetActor(ctx.w);
    if (t % kAimTicks == 0) {
        Aim(ctx, first, last);
    }
    if (t % kWanderTicks == 0) {
        Wander(ctx, first, last);
    }
    if (t % kAimTicks == 0) {
        DropWhileFuzziesAbout(ctx, last);
    }
}

void MoveActors(SceneContext& ctx) {
    SpriteEngine& spr = ctx.spr;
    const int last = LastStreetActor(ctx.w);
    for (int slot = kFirstActorSlot; slot <= last; ++slot) {
        Sprite& s = spr[slot];
        if (s.Shown && !s.Blocked) {
            SprMoveBy(spr, slot, s.VX, s.VY);
        }
        s.Blocked = false;
    }
    // The player moves itself; a fuzzed player was a walker of the passes and is cleared here too.
    if (ctx.w.crystals(kPlayer) == kFuzzed) {
        spr[kPlayerSlot].Blocked = false;
    }
}

}  // namespace rq
