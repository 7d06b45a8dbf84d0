// What the autoplayer sees of the street: the whole street at once (a simplification: a person sees
// only the view on screen), with each walker's box and the course it is seen walking on.
#pragma once

#include <cstdint>
#include <vector>

#include "autoplay/Steering.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// Which of the street's things the figure must not walk into this tick.
struct SightRules {
    bool MayTouchTrack = false;     // boarding: the track is no wall
    bool MayTouchFuzzbomb = false;  // carrying exactly 100 crystals: the fuzzbomb is the goal
    bool KeepCrystals = false;      // the crystals lying in the street are to be left where they lie
    bool StayOnPlatform = false;    // the door down to the street is no way out
};

// The street as the figure's feet reckon with it.
StreetPicture LookAtStreet(const World& w, const SpriteEngine& spr, const SightRules& rules);

// Pixels between the figure and the nearest wall or building (0: it stands against one).
int WallGap(const World& w, const SpriteEngine& spr);

// The box a sprite stands in.
SpriteBox BoxOf(const Sprite& s);

// A fuzzy on the figure's trail: walking on as it does for the next `ticks` ticks, it would cross the
// place where a crystal dropped now (the figure holding `keys`) comes to lie, behind the figure. A
// fuzzy that walks over a crystal picks it up and is cured.
bool FuzzyOnTrail(const World& w, const SpriteEngine& spr, std::uint16_t keys, int ticks);

// How many fuzzies walk in the street, and in the view of column `col` and row `row` (by their centres).
int FuzziesInStreet(const World& w, const SpriteEngine& spr);
int FuzziesInView(const World& w, const SpriteEngine& spr, int col, int row);

// The slots of the crystals lying in the station's platform (the station view below the track).
std::vector<int> CrystalsOnPlatform(const SpriteEngine& spr);

// The platform: the station view below the track, inside its walls, in scene pixels.
inline constexpr int kPlatformLeft = 645;
inline constexpr int kPlatformRight = 1275;
inline constexpr int kPlatformTop = 194;
inline constexpr int kPlatformBottom = 372;

}  // namespace rq
