// Meetings with the ticket office, the capitol and the fuzzbomb.
#include "scene/SceneObjects.h"

#include <cstdlib>

#include "sprite/SpriteDraw.h"
#include "world/Actors.h"

namespace rq {

namespace {

bool Spans(int from, int to, int edge) {
    return from <= edge && edge <= to;
}

std::int16_t Magnitude(std::int16_t v) {
    return static_cast<std::int16_t>(std::abs(v));
}

void StopPlayerInside(SpriteEngine& spr) {
    SprHide(spr, kPlayerSlot);
    spr[kPlayerSlot].VX = 0;
    spr[kPlayerSlot].VY = 0;
}

}  // namespace

EdgesSpanned BounceOffBox(Sprite& actor, const SpriteBox& box) {
    const SpriteBox a = NextBox(actor);
    EdgesSpanned spanned;
    if (Spans(a.Top, a.Bottom, box.Bottom)) {
        actor.VY = Magnitude(actor.VY);
        spanned.Bottom = true;
    } else if (Spans(a.Top, a.Bottom, box.Top)) {
        actor.VY = static_cast<std::int16_t>(-Magnitude(actor.VY));
    }
    if (Spans(a.Left, a.Right, box.Right)) {
        actor.VX = Magnitude(actor.VX);
        spanned.Right = true;
    } else if (Spans(a.Left, a.Right, box.Left)) {
        actor.VX = static_cast<std::int16_t>(-Magnitude(actor.VX));
    }
    return spanned;
}

std::int16_t TouchSceneObjects(SceneContext& ctx, int slot) {
    SpriteEngine& spr = ctx.spr;
    if (!spr[slot].Shown) {
        return 0;
    }
    std::int16_t touched = 0;
    for (const std::int16_t object : {kTicketOfficeSlot, kCapitolSlot, kFuzzbombSlot}) {
        if (iSprCollide(spr, slot, object)) {
            touched = object;
            break;
        }
    }
    if (touched == 0) {
        return 0;
    }
    const Sprite& object = spr[touched];
    const EdgesSpanned spanned =
        BounceOffBox(spr[slot], {object.X, object.Y, object.X + object.Width, object.Y + object.Height});
    const bool cleanPlayer = slot == kPlayerSlot && ctx.w.crystals(kPlayer) >= 0;
    if (touched == kTicketOfficeSlot) {
        // The ticket office's door is on its bottom edge.
        if (spanned.Bottom && cleanPlayer) {
            StopPlayerInside(spr);
            ctx.port.ShowTicketWindow();
        }
    } else if (touched == kCapitolSlot) {
        // The capitol's entrance is on its right side.
        if (spanned.Right && cleanPlayer) {
            StopPlayerInside(spr);
            ctx.port.OpenMapFromCapitol();
        }
    } else if (slot == kPlayerSlot && ctx.w.crystals(kPlayer) == 100) {
        DestroyFuzzbomb(ctx);
    } else if (slot >= kPlayerSlot && ctx.w.crystals(spr[slot].CitizenNo) >= 0) {
        // Only a walker is fuzzed; a crystal dropped against the fuzzbomb is merely refused.
        MakeFuzzyActor(ctx.w, spr, ctx.fx, slot);
    }
    return touched;
}

void DestroyFuzzbomb(SceneContext& ctx) {
    ctx.fx.PlayEffect(kWinGame);
    ctx.w.FuzzbombCity = 0;
    SprHide(ctx.spr, kFuzzbombSlot);
    for (int citizen = 1; citizen <= kNumCitizens; ++citizen) {
        ctx.w.crystals(citizen) = 0;  // the player's own count stays as it is
    }
    const int last = kPlayerSlot + (ctx.w.CurCity > 0 ? ctx.w.city(ctx.w.CurCity).NumCitizens : 0);
    for (int slot = kFirstActorSlot; slot <= last; ++slot) {
        MakeCitizenActor(ctx.spr, ctx.fx, slot);
    }
}

}  // namespace rq
