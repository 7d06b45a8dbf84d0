// The autoplayer's feet: which direction to hold this tick to reach a place in the street while
// keeping clear of the fuzzies, looking a few ticks ahead.
#pragma once

#include <cstdint>
#include <vector>

#include "sprite/SpriteDraw.h"

namespace rq {

// A walker seen in the street: its box where it stands and its velocity (as watched from one
// picture to the next).
struct Walker {
    SpriteBox Box{};
    int VX = 0;
    int VY = 0;
};

// What the figure's feet have to reckon with this tick.
struct StreetPicture {
    SpriteBox Player{};            // where the figure stands
    std::vector<SpriteBox> Solid;  // walls and buildings it cannot walk through
    std::vector<SpriteBox> Avoid;  // places it had better not touch: the track, crystals it keeps
    std::vector<Walker> Fuzzies;
    std::vector<Walker> Citizens;
    long long Time = 0;  // the game clock (thirds of a second, rounded) of the tick just run
};

// The place the figure's centre should reach.
struct SteerGoal {
    int X = 0;
    int Y = 0;
    int Near = 4;       // close enough, in pixels on each axis
    bool Firm = false;  // reaching it counts as much with fuzzies about as without
};

// The held direction bits (0: stand) for the next tick: each of the nine choices is played a few
// ticks ahead, the fuzzies re-aiming at the figure as they do every five seconds, then walked on
// straight to the goal; the choice that ends nearest the goal without a fuzzy's touch wins.
std::uint16_t Steer(const StreetPicture& street, const SteerGoal& goal);

// Where the figure standing in `box` would stand after one tick holding `keys`, walls aside.
SpriteBox BoxAfter(const SpriteBox& box, std::uint16_t keys);

}  // namespace rq
