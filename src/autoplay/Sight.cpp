// The autoplayer's eyes: the walls and buildings, the fuzzies and citizens with their courses, the
// crystals lying about.
#include "autoplay/Sight.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "scene/SceneRects.h"
#include "world/Actors.h"

namespace rq {

namespace {

// How close to a fuzzy a citizen may be fuzzed before the figure could step out of its way.
constexpr int kFuzzyReach = 120;

}  // namespace

SpriteBox BoxOf(const Sprite& s) {
    return {s.X, s.Y, s.X + s.Width, s.Y + s.Height};
}

StreetPicture LookAtStreet(const World& w, const SpriteEngine& spr, const SightRules& rules) {
    StreetPicture street;
    street.Player = BoxOf(spr[kPlayerSlot]);
    street.Time = static_cast<long long>(w.GameTime + 0.5);
    for (std::size_t r = 1; r < spr.gSceneRects.size(); ++r) {
        const SceneRect& rect = spr.gSceneRects[r];
        const SpriteBox box{rect.Left, rect.Top, rect.Left + rect.Width, rect.Top + rect.Height};
        if (r != kTrackRect || !rules.MayTouchTrack) {
            street.Solid.push_back(box);
        }
    }
    if (rules.StayOnPlatform) {
        street.Solid.push_back({kPlatformLeft, kPlatformBottom, kPlatformRight, kPlatformBottom + 10});
    }
    for (const int slot : {kTicketOfficeSlot, kCapitolSlot, kFuzzbombSlot}) {
        if (spr[slot].Shown && (slot != kFuzzbombSlot || !rules.MayTouchFuzzbomb)) {
            street.Solid.push_back(BoxOf(spr[slot]));
        }
    }
    if (rules.KeepCrystals) {
        for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
            if (spr[slot].Shown) {
                street.Avoid.push_back(BoxOf(spr[slot]));
            }
        }
    }
    const int last = LastStreetActor(w);
    for (int slot = kFirstActorSlot; slot <= last && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (!a.Shown) {
            continue;
        }
        const Walker walker{BoxOf(a), a.Blocked ? 0 : a.VX, a.Blocked ? 0 : a.VY};
        (IsFuzzyActor(w, a) ? street.Fuzzies : street.Citizens).push_back(walker);
    }
    // A citizen close to a fuzzy may be fuzzed at any moment: it is given a fuzzy's wide berth.
    std::vector<Walker> citizens;
    const std::size_t fuzzies = street.Fuzzies.size();
    for (const Walker& c : street.Citizens) {
        bool near = false;
        for (std::size_t f = 0; f < fuzzies && !near; ++f) {
            const SpriteBox& b = street.Fuzzies[f].Box;
            near = std::abs(b.Left - c.Box.Left) < kFuzzyReach && std::abs(b.Top - c.Box.Top) < kFuzzyReach;
        }
        (near ? street.Fuzzies : citizens).push_back(c);
    }
    street.Citizens = std::move(citizens);
    return street;
}

int WallGap(const World& w, const SpriteEngine& spr) {
    const StreetPicture street = LookAtStreet(w, spr, {});
    const SpriteBox& me = street.Player;
    int gap = kViewWidth;
    for (const SpriteBox& b : street.Solid) {
        const int gx = std::max(b.Left - me.Right, me.Left - b.Right);
        const int gy = std::max(b.Top - me.Bottom, me.Top - b.Bottom);
        gap = std::min(gap, std::max(0, std::max(gx, gy)));
    }
    return gap;
}

namespace {

// How many shown fuzzies of the street `where` accepts.
template <typename Where>
int CountFuzzies(const World& w, const SpriteEngine& spr, Where where) {
    int n = 0;
    const int last = LastStreetActor(w);
    for (int slot = kFirstActorSlot; slot <= last && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        n += a.Shown && IsFuzzyActor(w, a) && where(a) ? 1 : 0;
    }
    return n;
}

}  // namespace

int FuzziesInStreet(const World& w, const SpriteEngine& spr) {
    return CountFuzzies(w, spr, [](const Sprite&) { return true; });
}

int FuzziesInView(const World& w, const SpriteEngine& spr, int col, int row) {
    return CountFuzzies(w, spr, [&](const Sprite& a) {
        return (a.X + a.Width / 2) / kViewWidth == col && (a.Y + a.Height / 2) / kViewHeight == row;
    });
}

bool FuzzyOnTrail(const World& w, const SpriteEngine& spr, std::uint16_t keys, int ticks) {
    const Sprite& p = spr[kPlayerSlot];
    const SpriteBox now = BoxOf(p);
    const SpriteBox next = BoxAfter(now, keys);
    const int vx = next.Left - now.Left, vy = next.Top - now.Top;
    if (vx == 0 && vy == 0) {
        return false;  // standing, the figure drops nothing
    }
    // Where the dropped crystal lies: centred on the figure after its step, one figure behind it.
    const Sprite& c = spr[kFirstCrystalSlot];
    const int x = next.Left + p.Width / 2 - c.Width / 2 - (vx > 0 ? p.Width : vx < 0 ? -p.Width : 0);
    const int y = next.Top + p.Height / 2 - c.Height / 2 - (vy > 0 ? p.Height : vy < 0 ? -p.Height : 0);
    const SpriteBox crystal{x, y, x + c.Width, y + c.Height};
    const int last = LastStreetActor(w);
    for (int slot = kFirstActorSlot; slot <= last && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        // Only a fuzzy that follows closely: walking the figure's way, or at it.
        if (!a.Shown || !IsFuzzyActor(w, a) || (a.VX * vx + a.VY * vy <= 0 && !Overlap(BoxOf(a), crystal))) {
            continue;
        }
        SpriteBox box = BoxOf(a);
        for (int t = 0; t <= ticks; ++t) {
            if (Overlap(box, crystal)) {
                return true;
            }
            box = {box.Left + a.VX, box.Top + a.VY, box.Right + a.VX, box.Bottom + a.VY};
        }
    }
    return false;
}

std::vector<int> CrystalsOnPlatform(const SpriteEngine& spr) {
    std::vector<int> slots;
    for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
        const Sprite& k = spr[slot];
        if (k.Shown && k.X >= kPlatformLeft && k.X < kPlatformRight && k.Y > kPlatformTop && k.Y < kPlatformBottom) {
            slots.push_back(slot);
        }
    }
    return slots;
}

}  // namespace rq
