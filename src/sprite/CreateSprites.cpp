// The sprite slots of the street scene, made once at start-up, in the game's order.
#include "sprite/CreateSprites.h"

#include "sprite/SpriteSetup.h"

namespace rq {
namespace {

SpriteDef Def(int slot, int first, int last, bool animating, int delay) {
    return SpriteDef{static_cast<std::int16_t>(slot), static_cast<std::int16_t>(first), static_cast<std::int16_t>(last),
                     animating, static_cast<std::int16_t>(delay)};
}

}  // namespace

bool CreateSprites(SpriteEngine& e) {
    // Every slot is attempted even after a failure: the game combines the results with And.
    bool ok = iSprCreateSprite(e, Def(kPlayerSlot, 0, 3, true, 3));
    e[kPlayerSlot].X = kPlatformCentre;
    e[kPlayerSlot].Y = 188;  // kViewHeight / 2, halves to even
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        ok = iSprCreateSprite(e, Def(slot, 8, 11, true, 3)) && ok;
    }
    for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
        ok = iSprCreateSprite(e, Def(slot, 12, 17, false, 1)) && ok;
    }
    ok = iSprCreateSprite(e, Def(kTicketOfficeSlot, kTicketOfficeFrame, kTicketOfficeFrame, false, 0)) && ok;
    ok = iSprCreateSprite(e, Def(kCapitolSlot, kCapitolFrame, kCapitolFrame, false, 0)) && ok;
    ok = iSprCreateSprite(e, Def(kFuzzbombSlot, 22, 25, true, 1)) && ok;
    ok = iSprCreateSprite(e, Def(kTrainSprite, kTrainFrame, kTrainFrame, false, 0)) && ok;
    ok = iSprCreateSprite(e, Def(kMarkedTrainSprite, kMarkedTrainFrame, kMarkedTrainFrame, false, 0)) && ok;
    ok = iSprCreateSprite(e, Def(kFirstScenerySlot, 26, 26, false, 0)) && ok;
    ok = iSprCreateSprite(e, Def(kFirstScenerySlot + 1, 27, 27, false, 0)) && ok;
    ok = iSprCreateSprite(e, Def(kFirstScenerySlot + 2, 28, 28, false, 0)) && ok;
    return ok;
}

}  // namespace rq
