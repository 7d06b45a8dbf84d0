// The autoplayer's steering: a short look ahead for each of the nine choices of held keys, with the
// fuzzies' courses guessed from what they do in plain sight (straight on, off the walls, at the
// nearest person of their view every five seconds).
#include "autoplay/Steering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "base/Rounding.h"
#include "scene/Fuzzies.h"
#include "scene/PlayerControl.h"
#include "world/Velocity.h"

namespace rq {

namespace {

constexpr int kHoldTicks[3] = {1, 4, 10};  // how long a choice is held in the look ahead: a step, or a dodge
constexpr int kLookTicks = 16;             // then straight on to the goal until this tick
constexpr int kWatchRange = 160;           // fuzzies farther than this cannot reach the figure in the look ahead
constexpr int kFuzzySpeed = kCitizenSpeed;

constexpr std::array<std::uint16_t, 9> kChoices{0,          kInputUp,       kInputUpRight, kInputRight, kInputDownRight,
                                                kInputDown, kInputDownLeft, kInputLeft,    kInputUpLeft};

struct Velocity {
    int VX = 0;
    int VY = 0;
};

// The figure's velocity for each combination of held direction keys, worked out once: the look
// ahead asks for it thousands of times a tick.
Velocity HeldVelocityOf(std::uint16_t keys) {
    static const std::array<Velocity, 256> table = [] {
        std::array<Velocity, 256> t{};
        for (std::uint16_t k = 0; k < 256; ++k) {
            if (const std::optional<Course> course = HeldCourse(k)) {
                Sprite s;
                s.VX = course->dx;
                s.VY = course->dy;
                SetActorSpeed(s, kPlayerSpeed);
                t[k] = {s.VX, s.VY};
            }
        }
        return t;
    }();
    return table[keys & kInputDirections];
}

SpriteBox Moved(const SpriteBox& b, int dx, int dy) {
    return {b.Left + dx, b.Top + dy, b.Right + dx, b.Bottom + dy};
}

bool HitsAny(const SpriteBox& b, const std::vector<SpriteBox>& boxes) {
    for (const SpriteBox& s : boxes) {
        if (Overlap(b, s)) {
            return true;
        }
    }
    return false;
}

// The gap between two boxes along the axis where they are farthest apart; 0 or less: they touch.
int Gap(const SpriteBox& a, const SpriteBox& b) {
    const int gx = std::max(b.Left - a.Right, a.Left - b.Right);
    const int gy = std::max(b.Top - a.Bottom, a.Top - b.Bottom);
    return std::max(gx, gy);
}

std::pair<int, int> ViewOf(const SpriteBox& b) {
    return {static_cast<int>(std::floor(b.Left / double(kViewWidth))),
            static_cast<int>(std::floor(b.Top / double(kViewHeight)))};
}

int TowardAxis(int targetLow, int targetHigh, int low, int high, int speed) {
    if (targetLow > high) return speed;
    if (targetHigh < low) return -speed;
    return 0;
}

// A fuzzy heading for the figure, as it does when it re-aims.
void AimAt(Walker& f, const SpriteBox& target) {
    int vx = TowardAxis(target.Left, target.Right, f.Box.Left, f.Box.Right, kFuzzySpeed);
    int vy = TowardAxis(target.Top, target.Bottom, f.Box.Top, f.Box.Bottom, kFuzzySpeed);
    if (vx == 0 && vy == 0) {
        return;
    }
    if (vx != 0 && vy != 0) {
        vx = DiagonalSpeed(static_cast<std::int16_t>(vx));
        vy = DiagonalSpeed(static_cast<std::int16_t>(vy));
    }
    f.VX = vx;
    f.VY = vy;
}

// One tick of a fuzzy: it turns back off what it would walk into.
void StepWalker(Walker& f, const std::vector<SpriteBox>& solid) {
    if (HitsAny(Moved(f.Box, f.VX, 0), solid)) {
        f.VX = -f.VX;
    }
    if (HitsAny(Moved(f.Box, 0, f.VY), solid)) {
        f.VY = -f.VY;
    }
    const SpriteBox next = Moved(f.Box, f.VX, f.VY);
    if (!HitsAny(next, solid)) {
        f.Box = next;
    }
}

Velocity StraightTo(const SpriteBox& me, const SteerGoal& goal) {
    const int dx = goal.X - (me.Left + me.Right) / 2;
    const int dy = goal.Y - (me.Top + me.Bottom) / 2;
    std::uint16_t keys = 0;
    const bool right = dx > goal.Near, left = dx<-goal.Near, down = dy> goal.Near, up = dy < -goal.Near;
    if (up)
        keys = right ? kInputUpRight : (left ? kInputUpLeft : kInputUp);
    else if (down)
        keys = right ? kInputDownRight : (left ? kInputDownLeft : kInputDown);
    else
        keys = right ? kInputRight : (left ? kInputLeft : 0);
    Velocity v = HeldVelocityOf(keys);
    // Along the distance still to go, never past the goal: close to it, it steps straight.
    if (std::abs(dx) < std::abs(v.VX)) v.VX = 0;
    if (std::abs(dy) < std::abs(v.VY)) v.VY = 0;
    return v;
}

double Distance(const SpriteBox& me, const SteerGoal& goal) {
    const double dx = goal.X - (me.Left + me.Right) / 2.0;
    const double dy = goal.Y - (me.Top + me.Bottom) / 2.0;
    return std::sqrt(dx * dx + dy * dy);
}

// The cost of holding `keys` now: the danger of the fuzzies' touch over the look ahead, and the
// distance still to go at its end.
// `early` holds the fuzzies after each tick before their first aim, the same whatever the figure does.
double CostOf(const StreetPicture& street, const SteerGoal& goal, std::uint16_t keys, int hold,
              const std::vector<Walker>& watched, const std::vector<std::vector<Walker>>& early) {
    std::vector<Walker> fuzzies;
    std::vector<double> worst(watched.size(), 0.0);  // each fuzzy's worst moment of the look ahead
    SpriteBox me = street.Player;
    const Velocity held = HeldVelocityOf(keys);
    double nuisance = 0;
    double midway = 0;
    int room = kWatchRange;  // how far the nearest fuzzy stays at the end of the choice held
    for (int t = 1; t <= kLookTicks; ++t) {
        const SpriteBox before = me;
        const Velocity v = t <= hold ? held : StraightTo(me, goal);
        const SpriteBox next = Moved(me, v.VX, v.VY);
        if (!HitsAny(next, street.Solid)) {
            me = next;
        }
        if (t <= hold && HitsAny(me, street.Avoid)) {
            nuisance += 60;
        }
        if (t <= 2) {
            for (const Walker& c : street.Citizens) {
                if (Overlap(me, Moved(c.Box, c.VX * t, c.VY * t))) {
                    nuisance += 8;  // a citizen in the way stops the figure
                }
            }
        }
        const long long clock = street.Time + t;
        const auto here = ViewOf(before);
        const bool aimed = static_cast<std::size_t>(t) >= early.size();
        if (static_cast<std::size_t>(t) == early.size()) {
            fuzzies = early.back();
        }
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (aimed) {
                Walker& m = fuzzies[i];
                // Fuzzies aim before anyone moves: at where the figure stands.
                if (clock % kAimTicks == 0 && ViewOf(m.Box) == here) {
                    AimAt(m, before);
                }
                StepWalker(m, street.Solid);
            }
            const Walker& f = aimed ? fuzzies[i] : early[static_cast<std::size_t>(t)][i];
            // The guess grows less sure the farther ahead it looks: keep a growing margin.
            const int margin = 4 + t;
            const int gap = Gap(me, f.Box);
            double risk = 0;
            if (gap <= 0) {
                risk = 100000.0 / t;
            } else if (gap <= margin) {
                risk = (margin - gap) * 2000.0 / t;
            }
            worst[i] = std::max(worst[i], risk);
            if (t == hold) {
                room = std::min(room, gap);
            }
        }
        if (t == hold) {
            midway = Distance(me, goal);
        }
    }
    double danger = 0;
    for (const double w : worst) {
        danger += w;
    }
    // With fuzzies about, room to move counts for more than the goal.
    const double goalWeight = fuzzies.empty() || goal.Firm ? 1.0 : 0.3;
    const double roomy = fuzzies.empty() ? 0.0 : -2.0 * std::max(room, 0);
    return danger + nuisance + roomy + goalWeight * (Distance(me, goal) + 0.5 * midway);
}

}  // namespace

SpriteBox BoxAfter(const SpriteBox& box, std::uint16_t keys) {
    const Velocity v = HeldVelocityOf(keys);
    return Moved(box, v.VX, v.VY);
}

std::uint16_t Steer(const StreetPicture& seen, const SteerGoal& goal) {
    // A wall the figure already stands in (a door it is halfway through) does not hold it there.
    StreetPicture street = seen;
    std::erase_if(street.Solid, [&](const SpriteBox& b) { return Overlap(b, seen.Player); });
    std::vector<Walker> watched;
    for (const Walker& f : street.Fuzzies) {
        if (Gap(street.Player, f.Box) <= kWatchRange) {
            watched.push_back(f);
        }
    }
    // Until their first aim the fuzzies walk the same whatever the figure does: worked out once.
    std::vector<std::vector<Walker>> early{watched};
    for (int t = 1; t <= kLookTicks && (street.Time + t) % kAimTicks != 0; ++t) {
        std::vector<Walker> next = early.back();
        for (Walker& f : next) {
            StepWalker(f, street.Solid);
        }
        early.push_back(std::move(next));
    }
    std::uint16_t best = 0;
    double bestCost = std::numeric_limits<double>::max();
    for (const std::uint16_t keys : kChoices) {
        double cost = std::numeric_limits<double>::max();
        for (const int hold : kHoldTicks) {
            cost = std::min(cost, CostOf(street, goal, keys, hold, watched, early));
        }
        if (cost < bestCost) {
            bestCost = cost;
            best = keys;
        }
    }
    return best;
}

}  // namespace rq
