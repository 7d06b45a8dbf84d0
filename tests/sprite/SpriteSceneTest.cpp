// Composing the scene, erasing, presenting, the sky colour, the slot table and shutdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "base/Random.h"
#include "sprite/Blit.h"
#include "sprite/CreateSprites.h"
#include "sprite/SpriteScene.h"
#include "sprite/SpriteSetup.h"
#include "sprite/SpriteTestSupport.h"

namespace rq {
namespace {

using test::Make;
using test::MakeEngine;

constexpr std::uint32_t kPeach = 0x00FFE0C0u;

// An engine whose sheets hold a recognisable sprite: frame f's pixels are colour 0x0000F0 + f,
// except its top-left pixel, which is transparent (mask white, sheet black).
std::unique_ptr<SpriteEngine> MakeDrawingEngine() {
    auto e = MakeEngine();
    e->Sheet = Surface(900, 40, 0);
    e->Mask = Surface(900, 40, 0x00FFFFFFu);
    for (std::size_t f = 0; f + 1 < e->gFrames.size(); ++f) {
        const SpriteFrame& fr = e->gFrames[f];
        FillRect(e->Sheet, fr.SrcX, fr.SrcY, fr.Width, fr.Height, 0x0000F0u + static_cast<std::uint32_t>(f));
        FillRect(e->Mask, fr.SrcX, fr.SrcY, fr.Width, fr.Height, 0);
        e->Sheet.At(fr.SrcX, fr.SrcY) = 0;
        e->Mask.At(fr.SrcX, fr.SrcY) = 0x00FFFFFFu;
    }
    e->Track = Surface(7, 10, 0x00404040u);
    e->Track.At(0, 0) = 0x00AAAAAAu;
    SprBuildTrackStrip(*e);
    e->gSceneRects = {SceneRect{}, SceneRect{640, 184, 640, 10}, SceneRect{1275, 0, 10, 1131},
                      SceneRect{0, 372, 853, 10}};
    return e;
}

TEST(GetSkyColor, FollowsTheDayFromBlackToCyanAndBack) {
    EXPECT_EQ(GetSkyColor(0), 0x00000000u);
    EXPECT_EQ(GetSkyColor(6 * 3600 * 3), 0x00008080u) << "06:00: 127.5 rounds to the even 128";
    EXPECT_EQ(GetSkyColor(12 * 3600 * 3), 0x0000FFFFu);
    EXPECT_EQ(GetSkyColor(18 * 3600 * 3), 0x00007F7Fu) << "18:00: a hair under 127.5";
    EXPECT_EQ(GetSkyColor(-1), 0x00000000u) << "one unit before midnight is still midnight's minute";
    // The minute is rounded: 89 units past 06:00 are still 06:00, 90 (half a minute) round to even.
    EXPECT_EQ(GetSkyColor(6 * 3600 * 3 + 89), 0x00008080u);
    EXPECT_EQ(GetSkyColor(6 * 3600 * 3 + 90), 0x00008080u);
    EXPECT_NE(GetSkyColor(6 * 3600 * 3 + 271), 0x00008080u);
}

TEST(SprComposeScene, DrawsStreetTrackWallsAndTheStationViewsSky) {
    auto e = MakeDrawingEngine();
    Make(*e, 106, 26, 26, false, 0);     // 20 × 30: the sky band is 30 high
    SprComposeScene(*e, 12 * 3600 * 3);  // the station view, x 640..1279 and y 0..376
    EXPECT_EQ(e->Back.At(640, 184), 0x00AAAAAAu) << "track tile starts at the strip's left";
    EXPECT_EQ(e->Back.At(647, 184), 0x00AAAAAAu) << "and repeats every tile width";
    EXPECT_EQ(e->Back.At(641, 193), 0x00404040u);
    EXPECT_EQ(e->Back.At(641, 194), kPeach);
    EXPECT_EQ(e->Back.At(1276, 300), 0u) << "wall";
    EXPECT_EQ(e->Back.At(853, 372), kPeach) << "the door in the wall";
    EXPECT_EQ(e->Back.At(700, 0), 0x0000FFFFu) << "noon sky";
    EXPECT_EQ(e->Back.At(700, 29), 0x0000FFFFu);
    EXPECT_EQ(e->Back.At(700, 30), 0u) << "black band below the sky";
    EXPECT_EQ(e->Back.At(700, 183), 0u);
    e->ViewCol = 0;
    SprComposeScene(*e, 12 * 3600 * 3);
    EXPECT_EQ(e->Back.At(10, 10), kPeach);
    EXPECT_EQ(e->Back.At(639, 100), kPeach) << "the band is the station view's only";
    EXPECT_EQ(e->Back.At(100, 372), 0u);
    e->ViewCol = 1;
    e->ViewRow = 2;
    SprComposeScene(*e, 12 * 3600 * 3);
    EXPECT_EQ(e->Back.At(1274, 1130), kPeach) << "the background block reaches the last view's corner";
}

// The tests below draw in the view left of the middle one: x 0..639, y 377..753.
std::unique_ptr<SpriteEngine> MakeEngineViewingTheMiddleLeft() {
    auto e = MakeDrawingEngine();
    e->ViewCol = 0;
    e->ViewRow = 1;
    return e;
}

TEST(SprComposeScene, DrawsShownSpritesMaskedInSlotOrder) {
    auto e = MakeEngineViewingTheMiddleLeft();
    Make(*e, 1, 12, 17, false, 1);  // 10 × 10, frame 12
    Make(*e, 110, 8, 11, true, 3);  // 20 × 30, frame 8
    Make(*e, 111, 8, 11, true, 3);
    SprShowAt(*e, 1, 100, 500);
    SprShowAt(*e, 110, 95, 495);  // over the crystal
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(95, 495), kPeach) << "the transparent corner shows the street";
    EXPECT_EQ(e->Back.At(96, 495), 0x0000F8u);
    EXPECT_EQ(e->Back.At(100, 500), 0x0000F8u) << "the higher slot is drawn over the crystal";
    EXPECT_EQ(e->Back.At(114, 524), 0x0000F8u);
    EXPECT_EQ(e->Back.At(115, 525), kPeach) << "the actor ends at 95 + 20";
    EXPECT_EQ(e->Back.At(95, 494), kPeach);
}

TEST(SprComposeScene, AFrameChangeDrawsTheNewFrameAtTheSpritesOwnSize) {
    auto e = MakeEngineViewingTheMiddleLeft();
    Make(*e, 110, 8, 11, true, 3);
    SprShowAt(*e, 110, 300, 600);
    (*e)[110].SrcX = e->gFrames[18].SrcX;  // the 40 × 40 frame, drawn at 20 × 30
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(301, 601), 0x0000F0u + 18);
    EXPECT_EQ(e->Back.At(319, 629), 0x0000F0u + 18);
    EXPECT_EQ(e->Back.At(320, 601), kPeach);
    EXPECT_EQ(e->Back.At(301, 630), kPeach);
}

TEST(SprComposeScene, SpritesThatGoLeaveTheSceneUnderThemAndThoseThatStayStay) {
    auto e = MakeEngineViewingTheMiddleLeft();
    Make(*e, 1, 12, 17, false, 1);
    Make(*e, 110, 8, 11, true, 3);
    Make(*e, 111, 8, 11, true, 3);
    SprShowAt(*e, 1, 100, 500);
    SprShowAt(*e, 110, 95, 495);
    SprShowAt(*e, 111, 105, 505);
    SprComposeScene(*e, 0);
    // The actor over the crystal goes: the crystal under it shows again, the other actor stays on top.
    SprHide(*e, 110);
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(96, 496), kPeach);
    EXPECT_EQ(e->Back.At(104, 504), 0x0000F0u + 12);
    EXPECT_EQ(e->Back.At(106, 506), 0x0000F8u);
    // All go: the street is as if none had been there.
    SprHide(*e, 1);
    SprHide(*e, 111);
    SprComposeScene(*e, 0);
    Surface clean(kBackBufferWidth, kBackBufferHeight, 0);
    FillRect(clean, 0, 0, kBackgroundWidth, kBackgroundHeight, kPeach);
    for (int y = 480; y < 560; ++y) {
        for (int x = 80; x < 140; ++x) {
            ASSERT_EQ(e->Back.At(x, y), clean.At(x, y)) << x << "," << y;
        }
    }
}

TEST(SprComposeScene, ATrainEntersPastTheRightEdgeAndLeavesPastTheLeft) {
    auto e = MakeDrawingEngine();
    Make(*e, 101, 18, 18, false, 0);  // 40 × 40
    SprShowAt(*e, 101, 1260, 144);    // half of it past the station view's right edge
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(1279, 150), 0x0000F0u + 18);
    SprMoveBy(*e, 101, 100, 0);
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(1279, 150), 0u) << "the black band below the station sky comes back";
    e->ViewCol = 0;
    SprShowAt(*e, 101, -20, 144);  // the right half is on the street's left end
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(0, 150), 0x0000F0u + 18);
    EXPECT_EQ(e->Back.At(19, 183), 0x0000F0u + 18);
    EXPECT_EQ(e->Back.At(20, 150), kPeach);
    SprMoveBy(*e, 101, -100, 0);  // wholly off the scene
    SprComposeScene(*e, 0);
    EXPECT_EQ(e->Back.At(0, 150), kPeach);
}

// The street's ground written out here pixel by pixel, not through the game's own painter: the
// background, the track strip, the walls, and in the station view night from the skyline's first layer
// down to the track and the sky above it, both over the walls.
Surface ReferenceGround(const SpriteEngine& e, double time) {
    Surface g(kBackBufferWidth, kBackBufferHeight, 0);
    const auto fill = [&g](int left, int top, int width, int height, std::uint32_t colour) {
        for (int y = std::max(top, 0); y < std::min(top + height, g.Height); ++y) {
            for (int x = std::max(left, 0); x < std::min(left + width, g.Width); ++x) {
                g.At(x, y) = colour;
            }
        }
    };
    fill(0, 0, kBackgroundWidth, kBackgroundHeight, e.BackgroundColour);
    const SceneRect& track = e.gSceneRects[1];
    for (int y = 0; y < std::min<int>(track.Height, e.Track.Height); ++y) {
        for (int x = 0; x < std::min<int>(track.Width, 640); ++x) {
            g.At(track.Left + x, track.Top + y) = e.Track.At(x % e.Track.Width, y);
        }
    }
    for (std::size_t i = 2; i < e.gSceneRects.size(); ++i) {
        const SceneRect& r = e.gSceneRects[i];
        fill(r.Left, r.Top, r.Width, r.Height, e.WallColour);
    }
    if (StationInView(e)) {
        const int sky = e[kFirstScenerySlot].Height;
        fill(kViewWidth, sky, kViewWidth, track.Top - sky, 0);
        fill(kViewWidth, 0, kViewWidth, sky, GetSkyColor(time));
    }
    return g;
}

// The street as plainly drawn: the reference ground, then every shown sprite in slot order.
Surface DrawnPlainly(const SpriteEngine& e, double time) {
    // The ground changes with the view, the walls and the sky's colour only: painted again then.
    static Surface ground;
    static std::tuple<bool, std::uint32_t, std::size_t> paintedFor;
    const auto key = std::make_tuple(StationInView(e), StationInView(e) ? GetSkyColor(time) : 0u, e.gSceneRects.size());
    if (!ground.Exists() || key != paintedFor) {
        ground = ReferenceGround(e, time);
        paintedFor = key;
    }
    Surface picture = ground;
    for (const Sprite& s : e.gSprites) {
        if (s.Shown) {
            BlitMasked(picture, s.X, s.Y, s.Width, s.Height, e.Mask, e.Sheet, s.SrcX, s.SrcY);
        }
    }
    return picture;
}

// `sprites` sprites shown and moved at random within `area` (x, y, width, height) for `steps` steps.
// The compose repaints only what changed since the last compose (sprites that stand still as they
// were are left drawn), and the present copies only that; whatever the scene code does in between,
// the result must be the street drawn plainly. The still scenery pieces (slots 103..108) are drawn once
// into the street's base and kept there, so the moves put them over and under other sprites; in a
// crowded area a change reaches a sprite, which reaches another, and so on.
void ComposeRandomScene(int sprites, const PixelRect& area, int steps, std::uint64_t seed) {
    auto fast = MakeDrawingEngine();
    ASSERT_TRUE(CreateSprites(*fast));
    fast->WallColour = 0x00553311u;  // not the night's black
    Random rng(seed);
    const auto x = [&] { return static_cast<std::int16_t>(area.Left + rng.Below(area.Right - area.Left)); };
    const auto y = [&] { return static_cast<std::int16_t>(area.Top + rng.Below(area.Bottom - area.Top)); };
    for (int i = 0; i < sprites; ++i) {
        SprShowAt(*fast, i < 6 ? kTicketOfficeSlot + i : rng.Below(134) + 1, x(), y());
    }
    double time = 12 * 3600 * 3;
    Surface shown;
    std::vector<PixelRect> changed;
    for (int step = 0; step < steps; ++step) {
        const int op = rng.Below(10);
        const int slot = rng.Below(136) - 1;  // includes impossible slots
        SpriteEngine& e = *fast;
        if (op <= 1) {
            SprShowAt(e, slot, x(), y());
        } else if (op == 2) {
            SprHide(e, slot);
        } else if (op == 3) {
            SprMoveBy(e, slot, static_cast<std::int16_t>(rng.Below(41) - 20),
                      static_cast<std::int16_t>(rng.Below(41) - 20));
        } else if (op == 5) {
            const int view = rng.Below(6);
            e.ViewCol = static_cast<std::int16_t>(view % 2);
            e.ViewRow = static_cast<std::int16_t>(view / 2);
        } else if (op == 6 && e.gSceneRects.size() < 6) {
            e.gSceneRects.push_back(SceneRect{0, 749, 853, 10});
        } else if (op == 6 && e.gSceneRects.size() > 2) {
            e.gSceneRects.pop_back();
        } else {
            SprAnimate(e);
        }
        if (op < 6) {
            continue;
        }
        time += rng.Below(2000);
        SprComposeScene(e, time);
        const Surface plain = DrawnPlainly(e, time);
        // Presenting only what changed gives the plain picture's view, and every pixel that changed
        // lies in a block the window is told about. (Only the view's part of the back buffer is kept
        // composed: the rest of the street is composed when the view moves there.)
        const Surface before = shown;
        const int left = e.ViewCol * kViewWidth;
        const int top = e.ViewRow * kViewHeight;
        SprPresent(e, shown, left, top, changed);
        for (int py = 0; py < kViewHeight; ++py) {
            for (int px = 0; px < kViewWidth; ++px) {
                ASSERT_EQ(shown.At(px, py), plain.At(left + px, top + py)) << "step " << step;
                if (!before.Exists() || shown.At(px, py) == before.At(px, py)) {
                    continue;
                }
                ASSERT_TRUE(std::any_of(
                    changed.begin(), changed.end(),
                    [&](const PixelRect& r) { return px >= r.Left && px < r.Right && py >= r.Top && py < r.Bottom; }))
                    << "step " << step << " at " << px << "," << py;
            }
        }
    }
}

TEST(SprComposeScene, RepaintingOnlyTheDrawnOverPartsMatchesTheStreetDrawnPlainly) {
    ComposeRandomScene(66, PixelRect{-60, -60, 1340, 1190}, 1000, 20240611);
}

// Over a hundred sprites on a small part of the station view, and thousands of steps.
TEST(SprComposeScene, ACrowdedStreetComposesAsTheStreetDrawnPlainly) {
    ComposeRandomScene(120, PixelRect{1000, 20, 1240, 200}, 4000, 7);
}

TEST(SprPresent, CopiesOneViewFromTheGivenOffset) {
    auto e = MakeDrawingEngine();
    e->Back.At(640, 377) = 0x00010203u;
    e->Back.At(1279, 753) = 0x00040506u;
    e->Back.At(1280, 754) = 0x00070809u;
    Surface view;
    SprPresent(*e, view, 640, 377);
    ASSERT_EQ(view.Width, 640);
    ASSERT_EQ(view.Height, 377);
    EXPECT_EQ(view.At(0, 0), 0x00010203u);
    EXPECT_EQ(view.At(639, 376), 0x00040506u);
}

TEST(SprBuildTrackStrip, TilesTheTrackAcrossSixHundredFortyPixels) {
    SpriteEngine e;
    e.Track = Surface(30, 10, 0x00202020u);
    e.Track.At(29, 9) = 0x00FF0000u;
    SprBuildTrackStrip(e);
    ASSERT_EQ(e.Tracks.Width, 640);
    ASSERT_EQ(e.Tracks.Height, 10);
    EXPECT_EQ(e.Tracks.At(29, 9), 0x00FF0000u);
    EXPECT_EQ(e.Tracks.At(629, 9), 0x00FF0000u);
    EXPECT_EQ(e.Tracks.At(639, 9), 0x00202020u) << "the last tile runs past the edge and is clipped";
}

TEST(iSprCreateSprite, TakesSizeAndSourceFromTheFirstFrame) {
    auto e = MakeEngine();
    (*e)[110].VX = 7;
    (*e)[110].CitizenNo = 1234;
    (*e)[110].Blocked = true;
    ASSERT_TRUE(iSprCreateSprite(*e, SpriteDef{110, 8, 11, true, 3}));
    const Sprite& s = (*e)[110];
    EXPECT_TRUE(s.Created);
    EXPECT_FALSE(s.Shown);
    EXPECT_EQ(s.Width, 20);
    EXPECT_EQ(s.Height, 30);
    EXPECT_EQ(s.SrcX, 240);
    EXPECT_EQ(s.Frame, 8);
    EXPECT_EQ(s.DelayCount, 3);
    EXPECT_EQ(s.VX, 7) << "velocity, citizen and Blocked keep what they held";
    EXPECT_EQ(s.CitizenNo, 1234);
    EXPECT_TRUE(s.Blocked);
}

TEST(iSprCreateSprite, RefusesASecondCreationAndSlotsWithoutBackBufferOrFrameAsTheBufferDoes) {
    auto e = MakeEngine();
    ASSERT_TRUE(iSprCreateSprite(*e, SpriteDef{5, 12, 17, false, 1}));
    SprShowAt(*e, 5, 40, 50);
    EXPECT_FALSE(iSprCreateSprite(*e, SpriteDef{5, 18, 18, false, 0}));
    EXPECT_EQ((*e)[5].Width, 10) << "the slot is unchanged";
    EXPECT_TRUE((*e)[5].Shown);
    EXPECT_EQ((*e)[5].X, 40);
    EXPECT_FALSE(iSprCreateSprite(*e, SpriteDef{6, 40, 40, false, 0})) << "no frame 40";
    EXPECT_FALSE(iSprCreateSprite(*e, SpriteDef{0, 1, 1, false, 0})) << "slot 0 is never created";
    EXPECT_FALSE(iSprCreateSprite(*e, SpriteDef{135, 1, 1, false, 0}));
    SpriteEngine bare;
    bare.gFrames = e->gFrames;
    EXPECT_FALSE(iSprCreateSprite(bare, SpriteDef{5, 12, 17, false, 1}));
    // The back buffer, black and of the game's size, is made once too.
    ASSERT_TRUE(iSprCreateBackBuffer(bare, kBackBufferWidth, kBackBufferHeight));
    EXPECT_EQ(bare.Back.Pixels, Surface(1282, 1133, 0u).Pixels);
    EXPECT_FALSE(iSprCreateBackBuffer(bare, 10, 10));
    EXPECT_EQ(bare.Back.Width, 1282);
}

TEST(CreateSprites, MakesSlotsOneTo134FromTheirFirstFramesWithThePlayerAndCitizensWalking) {
    auto e = MakeEngine();
    ASSERT_TRUE(CreateSprites(*e));
    EXPECT_FALSE((*e)[0].Created);
    for (int slot = 1; slot < kSpriteSlots; ++slot) {
        const Sprite& s = (*e)[slot];
        EXPECT_TRUE(s.Created) << slot;
        EXPECT_FALSE(s.Shown) << slot;
        EXPECT_EQ(s.Frame, s.FirstFrame) << slot;
        EXPECT_LE(s.FirstFrame, s.LastFrame) << slot;
        EXPECT_LE(s.LastFrame, 28) << slot;
    }
    // The player walks with frames 0-3 at the platform; the street's citizens with the citizen look 8-11.
    EXPECT_EQ((*e)[109].FirstFrame, 0);
    EXPECT_EQ((*e)[109].LastFrame, 3);
    EXPECT_EQ((*e)[109].X, 960);
    EXPECT_EQ((*e)[109].Y, 188);
    EXPECT_TRUE((*e)[109].Animating);
    for (int slot = 110; slot <= 134; ++slot) {
        EXPECT_EQ((*e)[slot].FirstFrame, 8) << slot;
        EXPECT_EQ((*e)[slot].LastFrame, 11) << slot;
        EXPECT_TRUE((*e)[slot].Animating) << slot;
    }
    EXPECT_FALSE((*e)[1].Animating) << "a crystal plays only once it is collected";
    // Each kind of thing has frames of its own: the crystals, the street's citizens and every single
    // slot from 101 to 109 share no frame with another kind.
    std::map<int, int> kindOfFrame;
    for (int slot = 1; slot < kSpriteSlots; ++slot) {
        const int kind = slot <= 100 ? 1 : slot >= 110 ? 110 : slot;
        for (int f = (*e)[slot].FirstFrame; f <= (*e)[slot].LastFrame; ++f) {
            EXPECT_EQ(kindOfFrame.emplace(f, kind).first->second, kind) << "frame " << f << " of slot " << slot;
        }
    }
    EXPECT_FALSE(CreateSprites(*e)) << "the slots exist already";
}

TEST(SprShutdown, ReleasesEverySlotBothSheetsAndTheBackBuffer) {
    auto e = MakeDrawingEngine();
    ASSERT_TRUE(CreateSprites(*e));
    SprShowAt(*e, 109, 10, 10);
    SprShowAt(*e, 50, 100, 10);
    SprShutdown(*e);
    for (const Sprite& s : e->gSprites) {
        EXPECT_FALSE(s.Created || s.Shown);
    }
    EXPECT_FALSE(e->Back.Exists() || e->Sheet.Exists() || e->Mask.Exists());
    EXPECT_EQ(e->Back.Pixels.capacity(), 0u);
    // Everything is gone: drawing and presenting do nothing, and the engine can be set up again.
    SprComposeScene(*e, 0);
    Surface view;
    SprPresent(*e, view, 0, 0);
    EXPECT_FALSE(view.Exists());
    SprShowAt(*e, 109, 5, 5);
    EXPECT_FALSE((*e)[109].Shown);
    EXPECT_TRUE(iSprCreateBackBuffer(*e, 100, 100));
    EXPECT_TRUE(iSprCreateSprite(*e, SpriteDef{109, 0, 3, true, 3}));
}

}  // namespace
}  // namespace rq
