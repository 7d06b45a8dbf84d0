// The way through a street's walls, and the timing of a wait in the ticket office.
#include "autoplay/Streets.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/Rounding.h"
#include "world/Clock.h"
#include "world/Velocity.h"

namespace rq {

namespace {

constexpr int kDoorX = kPlatformCentre;  // the doors between the street's rows line up under it
constexpr int kGapRow1 = 565;            // the gaps in the middle wall, rows 1 and 2
constexpr int kGapRow2 = 942;
constexpr int kWindowTicks = 360;  // a train window: two game minutes of a third of a second

// Between the rows, in column 1, through the door under the station's centre.
SteerGoal ToRow(int cx, int cy, int row, int goalRow) {
    if (std::abs(cx - kDoorX) > 20) {
        const int inside = row * kViewHeight + kViewHeight / 2;
        return {kDoorX, std::abs(cy - inside) > 120 ? inside : cy, 6};
    }
    const int boundary = (goalRow > row ? row + 1 : row) * kViewHeight;
    return {kDoorX, boundary + (goalRow > row ? 40 : -40), 6};
}

}  // namespace

SteerGoal Waypoint(const Sprite& p, int x, int y) {
    const int cx = CentreX(p), cy = CentreY(p);
    const int row = cy / kViewHeight, goalRow = y / kViewHeight;
    if (cx < kViewWidth && x >= kViewWidth) {
        const int gapY = cy > 879 ? kGapRow2 : kGapRow1;
        return std::abs(cy - gapY) > 12 ? SteerGoal{std::min(cx, 600), gapY, 4} : SteerGoal{690, gapY, 4};
    }
    if (cx >= kViewWidth && x < kViewWidth) {
        // Into column 0 through the gap of the goal's row (row 0 of column 0 is closed).
        const int gapRow = goalRow >= 2 ? 2 : 1;
        if (row != gapRow) {
            return ToRow(cx, cy, row, gapRow);
        }
        const int gapY = gapRow == 2 ? kGapRow2 : kGapRow1;
        return std::abs(cy - gapY) > 12 ? SteerGoal{std::max(cx, 680), gapY, 4} : SteerGoal{590, gapY, 4};
    }
    if (row != goalRow) {
        return ToRow(cx, cy, row, goalRow);
    }
    return {x, y, 4};
}

SteerGoal OfficeDoorstep(const SpriteEngine& spr) {
    const Sprite& office = spr[kTicketOfficeSlot];
    const Sprite& p = spr[kPlayerSlot];
    return {CentreX(office), office.Y + office.Height + p.Height / 2 + 6, 3, true};
}

int WalkTicks(int x0, int y0, int x1, int y1) {
    // Through the doors: across to the door's line and back when the rows or columns differ.
    int way = std::abs(x1 - x0) + std::abs(y1 - y0);
    if (y0 / kViewHeight != y1 / kViewHeight) {
        way = std::abs(x0 - kDoorX) + std::abs(x1 - kDoorX) + std::abs(y1 - y0);
    }
    if ((x0 < kViewWidth) != (x1 < kViewWidth)) {
        way += std::abs(y0 - kGapRow1) + std::abs(y1 - kGapRow1);
    }
    return way / kPlayerSpeed + 8;
}

int TicksToWindow(const World& w, std::int16_t slot, bool thisOne) {
    const std::int16_t now = CurrentTrainSlot(w);
    if (slot == now && thisOne) {
        return 0;
    }
    const long long t = std::llround(w.GameTime);
    const int into = static_cast<int>(((t % kWindowTicks) + kWindowTicks) % kWindowTicks);
    const int windows = slot == now ? kSlots : (slot - now + kSlots) % kSlots;
    return windows * kWindowTicks - into;
}

}  // namespace rq
