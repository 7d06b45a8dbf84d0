// The autoplayer's map of a street: the way through its doors, and the ticket office as a shelter
// (a figure inside it is hidden, and a fuzzy cannot touch what it cannot see).
#pragma once

#include <cstdint>

#include "autoplay/Steering.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

inline int CentreX(const Sprite& s) {
    return s.X + s.Width / 2;
}
inline int CentreY(const Sprite& s) {
    return s.Y + s.Height / 2;
}

// The next place on the way from the figure `p` to (x, y) through the street's doors: between the
// columns through the gaps in the middle wall, between the rows through the doors under the
// station's centre.
SteerGoal Waypoint(const Sprite& p, int x, int y);

// The same place, to be reached as surely with fuzzies about as without.
inline SteerGoal Firmly(SteerGoal goal) {
    goal.Firm = true;
    return goal;
}

// Where the figure stands to walk up into the ticket office (it is entered from below).
SteerGoal OfficeDoorstep(const SpriteEngine& spr);

// About how many ticks the walk from (x0, y0) to (x1, y1) through the street's doors takes.
int WalkTicks(int x0, int y0, int x1, int y1);

// Ticks until the window of train slot `slot` begins: 0 while it runs, when `thisOne` (its train can
// still be caught); otherwise the wait for its next round.
int TicksToWindow(const World& w, std::int16_t slot, bool thisOne);

}  // namespace rq
