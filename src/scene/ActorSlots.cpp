// Closing up the actor slots after citizens have left the street.
#include "scene/ActorSlots.h"

#include <utility>

#include "base/Index.h"
#include "world/Actors.h"
#include "world/CityTable.h"

namespace rq {

void CompactActors(SceneContext& ctx) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    const int last = LastStreetActor(w);
    for (int slot = kFirstActorSlot; slot <= last; ++slot) {
        if (spr[slot].Shown) {
            continue;
        }
        const int place = FindCitizenPlace(w, spr[slot].CitizenNo);
        if (place != 0) {
            RemoveCitizenFromCity(w, w.CurCity, place);
        }
        const int next = NextShownSlot(spr, slot);
        if (next != 0) {
            SwapSprites(spr, slot, next);
        }
    }
}

int NextShownSlot(const SpriteEngine& spr, int slot) {
    for (int s = slot + 1; s <= kLastActorSlot; ++s) {
        if (spr[s].Shown) {
            return s;
        }
    }
    return 0;
}

int FindCitizenPlace(const World& w, std::int16_t citizen) {
    if (w.CurCity <= 0) {
        return 0;
    }
    const City& city = w.city(w.CurCity);
    for (int p = 1; p <= city.NumCitizens; ++p) {
        if (city.Citizens[At(p)] == citizen) {
            return p;
        }
    }
    return 0;
}

void SwapSprites(SpriteEngine& spr, int a, int b) {
    std::swap(spr[a], spr[b]);
}

}  // namespace rq
