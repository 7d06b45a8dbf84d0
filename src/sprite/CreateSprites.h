// The sprite slots of the street scene, made once at start-up.
#pragma once

#include "sprite/SpriteEngine.h"

namespace rq {

// Makes every slot the street scene uses with its frames, animation and delay; true only if every
// slot was made. The player's figure (109) gets its starting place but stays hidden.
bool CreateSprites(SpriteEngine& e);

}  // namespace rq
