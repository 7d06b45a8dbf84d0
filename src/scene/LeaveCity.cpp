// LeaveCity: what the player leaves behind in a street.
#include "scene/LeaveCity.h"

#include "sprite/SpriteDraw.h"

namespace rq {

void LeaveCity(SceneContext& ctx, std::int16_t cityNo) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    spr.gSceneRects.clear();
    ctx.scene.SelectedTrain = 0;
    if (cityNo > 0) {
        City& city = w.city(cityNo);
        if (city.NumCitizens > 0) {
            // Crystals left lying in the street are picked up by random citizens, who hold at most
            // 10; a fuzzy who picks one up is cured and holds nothing more.
            for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
                if (spr[slot].Shown) {
                    const int p = w.Rng.Below(city.NumCitizens) + 1;
                    std::int16_t& crystals = w.crystals(city.Citizens[static_cast<std::size_t>(p)]);
                    if (crystals < 10) {
                        ++crystals;
                    }
                }
            }
        }
    }
    for (int slot = 1; slot <= kLastActorSlot; ++slot) {
        SprHide(spr, slot);
    }
    ctx.port.ClearPanels();
}

}  // namespace rq
