// The sprite engine's state: surfaces, the frame table, the sprite table and the scene rectangles.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sprite/Sprite.h"
#include "sprite/Surface.h"

namespace rq {

// One scene rectangle: the track strip (entry 1) or a wall (entries 2..).
struct SceneRect {
    std::int16_t Left = 0;
    std::int16_t Top = 0;
    std::int16_t Width = 0;
    std::int16_t Height = 0;
};

// Size of the back buffer the game makes at start-up: the 1280 × 1131 scene plus a spare pixel each way.
inline constexpr int kBackBufferWidth = 1282;
inline constexpr int kBackBufferHeight = 1133;
// One view of the scene, the part copied to the game view each tick.
inline constexpr int kViewWidth = 640;
inline constexpr int kViewHeight = 377;
// The platform centre: the middle of the station view, where trains stop and arrivals step off.
inline constexpr int kPlatformCentre = 1920 / 2;
// The block of the scene background repainted by each compose.
inline constexpr int kBackgroundWidth = 1281;
inline constexpr int kBackgroundHeight = 1132;
// The street's peach colour &HC0E0FF, as 0x00RRGGBB.
inline constexpr std::uint32_t kBackgroundColour = 0x00FFE0C0u;
inline constexpr std::uint32_t kWallColour = 0x00000000u;

// A block of back-buffer pixels, right and bottom exclusive.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Where a sprite stood and which frame it showed when it was drawn (into the base picture or the
// back buffer).
struct SpritePiece {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t SrcX = 0;
    std::int16_t SrcY = 0;
    std::int16_t Width = 0;
    std::int16_t Height = 0;
};

// What the last compose painted: the ground under the sprites (street, track, walls, station bands)
// and each sprite where it was drawn, so that the next compose repaints only the blocks where
// something changed. Repainting the whole 1281 × 1132 street every tick would cost as much as all
// the rest of the drawing together, and drawing every lying crystal and standing train again each
// tick was more than half of a busy street's drawing.
struct GroundCache {
    bool Valid = false;
    std::vector<SceneRect> Rects;
    bool Station = false;
    int SkyHeight = 0;
    std::uint32_t SkyColour = 0;
    std::uint32_t BackgroundColour = 0;
    std::uint32_t WallColour = 0;
    const void* TracksPixels = nullptr;
    int TracksWidth = 0;
    int TracksHeight = 0;
    PixelRect Window{};                             // the part of the back buffer composed: the view on screen
    std::array<PixelRect, kSpriteSlots> DrawnAt{};  // where each slot lies drawn in it (empty: nowhere)
    std::array<SpritePiece, kSpriteSlots> Drawn{};  // and what it showed there
    // The base picture: the ground with the still scenery pieces on it (sprite/SceneBase.h). The
    // sprites in it are never drawn on their own.
    Surface Base;
    std::array<bool, kSpriteSlots> InBase{};
    std::array<SpritePiece, kSpriteSlots> BaseAt{};
};

// The view last presented: where in the back buffer it came from and which back-buffer blocks may
// have changed since. Presenting copies only those blocks, so the window can be told which part of
// the view changed instead of being handed a whole new picture every tick.
struct PresentCache {
    bool Valid = false;  // the view holds the back buffer at (X, Y), but for Pending
    int X = 0;
    int Y = 0;
    const std::uint32_t* View = nullptr;  // the view surface presented into last
    bool All = true;                      // the whole back buffer was repainted since
    std::vector<PixelRect> Pending;       // blocks repainted or drawn over since
};

struct SpriteEngine {
    std::array<Sprite, kSpriteSlots> gSprites{};
    std::vector<SpriteFrame> gFrames;  // frames 0..N−1 plus one all-zero entry

    // The surfaces of the engine; a surface that does not exist has Width = Height = 0.
    Surface Back;   // the whole city scene; the view's part of it composed each tick
    Surface Sheet;  // railquest.bmp
    Surface Mask;   // masks.bmp, the same layout as Sheet

    // Plain pictures the window shows or copies from (loaded by iSprLoadBMP).
    Surface Track;   // tracks.bmp: one track tile
    Surface Tracks;  // the 640-pixel track strip tiled from Track (SprBuildTrackStrip)
    Surface Map;     // usa.bmp

    // Colours of the compose's plain picture sources.
    std::uint32_t BackgroundColour = kBackgroundColour;
    std::uint32_t WallColour = kWallColour;

    // Scene rectangles, indexed from 1 (entry 0 unused): 1 is the track strip, 2.. are walls.
    std::vector<SceneRect> gSceneRects;

    // The view on screen: column 0..1, row 0..2; (1, 0) is the station.
    std::int16_t ViewCol = 1;
    std::int16_t ViewRow = 0;

    // The back buffer is written only by the engine's own operations; code that draws into Back
    // or changes a picture source in place sets Ground.Valid = false so the next compose repaints
    // everything.
    GroundCache Ground;
    PresentCache Presented;

    Sprite& operator[](int slot) { return gSprites.at(static_cast<std::size_t>(slot)); }
    const Sprite& operator[](int slot) const { return gSprites.at(static_cast<std::size_t>(slot)); }
};

// The station view (1, 0), the one with the track strip, is on screen.
inline bool StationInView(const SpriteEngine& e) {
    return e.ViewCol == 1 && e.ViewRow == 0;
}

}  // namespace rq
