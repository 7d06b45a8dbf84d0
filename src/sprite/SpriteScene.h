// Composing the city scene in the back buffer and presenting one view.
#pragma once

#include <cstdint>

#include "sprite/SpriteEngine.h"

namespace rq {

// The sky colour for a clock value t (thirds of a second since midnight), as 0x00RRGGBB: no red,
// equal green and blue following a sine over the day (black at midnight, cyan at noon).
std::uint32_t GetSkyColor(double t);

// Makes the view's part of the back buffer (column ViewCol, row ViewRow) the scene: the peach
// street, the track strip (gSceneRects 1), black walls (gSceneRects 2..), in the station view the
// black band and the sky band, then every shown sprite in slot order, each masked over what lies
// below. The rest of the back buffer is left as it is until the view moves there. Only what changed
// since the last compose is repainted: the sprites that moved, changed frame, came or went, and
// whatever they overlap. gameTime gives the sky colour. Does nothing without a back buffer.
void SprComposeScene(SpriteEngine& e, double gameTime);

// Copies 640 × 377 pixels of the back buffer from (srcX, srcY) to (0, 0) of view. A view surface
// that does not exist yet is made 640 × 377. The next present with `changed` is of the whole view.
void SprPresent(SpriteEngine& e, Surface& view, int srcX, int srcY);

// The same, and `changed` receives the blocks of the view (view coordinates, right and bottom
// exclusive) whose pixels changed: the whole view when it is new, scrolled, or follows a full
// repaint; otherwise only the rows that differ within the blocks the engine drew since the last
// present into this view. Nobody else may write the view in between.
void SprPresent(SpriteEngine& e, Surface& view, int srcX, int srcY, std::vector<PixelRect>& changed);

}  // namespace rq
