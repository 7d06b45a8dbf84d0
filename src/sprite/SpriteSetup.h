// Making and releasing the engine's surfaces, sprite slots and the track strip.
#pragma once

#include "sprite/SpriteEngine.h"

namespace rq {

// Makes the back buffer, width × height, cleared to black. False if it already exists or the size
// is not positive.
bool iSprCreateBackBuffer(SpriteEngine& e, int width, int height);

// Makes one slot from its definition: size and first frame from gFrames(FirstFrame), hidden at
// (0, 0). False without the back buffer, for a slot already
// Created, for a slot outside 1..134 or a first frame that is not in gFrames. VX, VY, CitizenNo
// and Blocked keep what they held.
bool iSprCreateSprite(SpriteEngine& e, const SpriteDef& def);

// BuildTrackStrip: tiles the track picture (Track, from tracks.bmp) into the 640-pixel track strip
// (Tracks) that the compose copies onto gSceneRects 1: Int(640 / tile width) + 1 tiles, the last one
// clipped. Start-up makes it once, after the sprite slots.
void SprBuildTrackStrip(SpriteEngine& e);

// Releases one slot: Created and Shown become false.
void SprDestroySprite(SpriteEngine& e, int slot);

// Releases everything: every slot, the sprite sheet, the mask sheet, then the back buffer.
void SprShutdown(SpriteEngine& e);

}  // namespace rq
