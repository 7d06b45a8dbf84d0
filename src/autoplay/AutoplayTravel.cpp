// The autoplayer's journeys: the route planned on arrival, the wait for its train (in the ticket
// office, on the platform or in the street below), and boarding it in the last moments of its stop.
#include <algorithm>
#include <cstdlib>

#include "autoplay/Autoplayer.h"
#include "autoplay/RoutePlanner.h"
#include "autoplay/Sight.h"
#include "autoplay/Streets.h"
#include "game/Game.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/Velocity.h"

namespace rq {

namespace {

constexpr int kUpSpare = 4;    // ticks to spare on the last walk up to the track
constexpr int kWayTicks = 3;   // a fuzzy this few ticks from walking into the figure is in its way
constexpr int kBelowX = 1110;  // where it waits in the street below the station
constexpr int kBelowY = 565;
constexpr int kBelowSpare = 30;  // ticks to spare on the way back up
constexpr int kWaitX = 1100;     // where it waits for its train
constexpr int kWaitY = 280;
constexpr int kShelterSpare = 60;  // a wait this much longer than the walks there and back is spent in the office
constexpr int kClearance = 120;    // no fuzzy this near the way: it is clear
constexpr int kFleeWait = 700;     // a wait this long among fuzzies: it takes another train

// Ticks the figure on the platform takes to walk straight up to the track.
int TicksToTrack(const Sprite& p) {
    return std::max(0, p.Y - kPlatformTop) / kPlayerSpeed + 2;
}

// The train of the present window can still be boarded: it is coming in, or stands with time left
// for the figure to reach the track before it leaves.
bool Catchable(const Game& game) {
    const SpriteEngine& spr = game.sprites;
    const Sprite& p = spr[kPlayerSlot];
    for (const int t : {kTrainSprite, kMarkedTrainSprite}) {
        const Sprite& train = spr[t];
        if (train.Shown) {
            if (train.VX != 0) {
                return CentreX(train) > kPlatformCentre;
            }
            return p.Shown && CentreY(p) < kPlatformBottom && game.world.PlatformTicks + TicksToTrack(p) < kStandTicks;
        }
    }
    return false;
}

// A fuzzy (or a citizen about to be fuzzed) would touch the figure within the next few ticks of
// holding `keys`, each going on as it goes.
bool FuzzyInTheWay(const Game& game, std::uint16_t keys) {
    const StreetPicture street = LookAtStreet(game.world, game.sprites, {true, false, false, false});
    SpriteBox me = street.Player;
    for (int t = 1; t <= kWayTicks; ++t) {
        me = BoxAfter(me, keys);
        for (const Walker& f : street.Fuzzies) {
            const SpriteBox there{f.Box.Left + t * f.VX - 2, f.Box.Top + t * f.VY - 2, f.Box.Right + t * f.VX + 2,
                                  f.Box.Bottom + t * f.VY + 2};
            if (Overlap(me, there)) {
                return true;
            }
        }
    }
    return false;
}

// No fuzzy (nor a citizen about to be fuzzed) near the box: the way from one corner to the other is clear.
bool NoFuzzyAround(const Game& game, const SpriteBox& box) {
    const StreetPicture street = LookAtStreet(game.world, game.sprites, {});
    for (const Walker& f : street.Fuzzies) {
        const int x = (f.Box.Left + f.Box.Right) / 2, y = (f.Box.Top + f.Box.Bottom) / 2;
        if (x > box.Left - kClearance && x < box.Right + kClearance && y > box.Top - kClearance &&
            y < box.Bottom + kClearance) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::int16_t Autoplayer::WantedSlot(const World& w) const {
    return route_.size() >= 2 && route_.front() == w.CurCity ? SlotTo(w, w.CurCity, route_[1]) : 0;
}

// Out of the ticket office in time to reach the track while its train stands (from about 20 ticks
// into its window to 50), a little earlier when no fuzzy waits at the door.
bool Autoplayer::TimeToLeave(const Game& game, std::int16_t slot) const {
    const Sprite& p = game.sprites[kPlayerSlot];
    const int walk = WalkTicks(CentreX(p), CentreY(p), kPlatformCentre, kPlatformTop + 20);
    const int wait = TicksToWindow(game.world, slot, Catchable(game));
    if (wait <= walk - 30) {
        return true;
    }
    if (wait > walk) {
        return false;
    }
    return NoFuzzyAround(game, BoxOf(p));
}

std::uint16_t Autoplayer::Travel(const Game& game) {
    const World& w = game.world;
    const SpriteEngine& spr = game.sprites;
    const Sprite& p = spr[kPlayerSlot];
    const std::int16_t target = w.FuzzbombCity;
    // Planned on arrival (the train of the present window has gone), and again when the train it
    // waited for has left without it.
    const std::int16_t now = CurrentTrainSlot(w);
    const bool catchable = Catchable(game);
    const bool missed = IsTrainWindowStart(w.GameTime) && route_.size() >= 2 &&
                        SlotTo(w, w.CurCity, route_[1]) == (now == 1 ? kSlots : now - 1);
    if (route_.size() < 2 || route_.front() != w.CurCity || route_.back() != target || missed) {
        route_ = PlanRoute(w, w.CurCity, target, now, catchable);
    }
    if (route_.size() < 2) {
        waiting_ = true;
        doing_ = "for a route";
        return Go(game, Waypoint(p, kWaitX, kWaitY), true, false, false);
    }
    std::int16_t slot = SlotTo(w, w.CurCity, route_[1]);
    // Among fuzzies, a long wait is not worth it: it takes the train standing there, when it leads
    // no farther from the fuzzbomb, and plans again where it arrives.
    if (TicksToWindow(w, slot, catchable) >= kFleeWait && FuzziesInStreet(w, spr) > 0 && TrainStandsAtPlatform(spr)) {
        const std::int16_t there = w.city(w.CurCity).TrainDest[static_cast<std::size_t>(now)];
        if (Journeys(w, there, target) <= Journeys(w, w.CurCity, target)) {
            slot = now;
        }
    }
    // A long wait is spent in the ticket office, out of the fuzzies' sight, with the ticket bought.
    const SteerGoal doorstep = OfficeDoorstep(spr);
    const int walk = WalkTicks(doorstep.X, doorstep.Y, kPlatformCentre, kPlatformTop + 20);
    if (TicksToWindow(w, slot, catchable) > 2 * walk + kShelterSpare &&
        NoFuzzyAround(game, {std::min(CentreX(p), doorstep.X), std::min(CentreY(p), doorstep.Y),
                             std::max(CentreX(p), doorstep.X), std::max(CentreY(p), doorstep.Y)})) {
        doing_ = "to the ticket office";
        if (std::abs(CentreX(p) - doorstep.X) <= 6 && std::abs(CentreY(p) - doorstep.Y) <= 8) {
            return kInputUp;
        }
        return Go(game, Firmly(Waypoint(p, doorstep.X, doorstep.Y)), true, false, false);
    }
    // It waits in the middle of the platform, with room to dodge, and comes close under the track
    // while its train comes in and stands; it walks onto the track as soon as its ticket lets it
    // board, or in the last moments of the stop.
    const bool ours =
        now == slot && (TrainStandsAtPlatform(spr) || spr[kTrainSprite].Shown || spr[kMarkedTrainSprite].Shown);
    const bool mayBoard = w.PlatformTicks >= kLastCallTicks || game.scene.SelectedTrain == slot;
    const bool lastMoment = kStandTicks - w.PlatformTicks <= TicksToTrack(p) + kUpSpare;
    if (ours && TrainStandsAtPlatform(spr) && (mayBoard || lastMoment) && CentreY(p) < kPlatformBottom) {
        // Straight up onto the track, wherever dodging has taken it, stepping round only a fuzzy about to
        // walk into it: a touch costs half the crystals (and the next ones, as long as it stays in
        // touch), a train missed ten more minutes among them.
        boardSlot_ = slot;
        doing_ = "boarding";
        if (!FuzzyInTheWay(game, kInputUp)) {
            return kInputUp;
        }
        return Go(game, Firmly({CentreX(p), kPlatformTop - p.Height, 4}), true, true, false);
    }
    if (ours) {
        // Under the track it stays for the last call, fuzzies or not: standing there is not being stuck.
        aside_.NotStuck();
        waiting_ = true;
        doing_ = "under the track";
        const int x = std::clamp(CentreX(p), kPlatformLeft + 40, kPlatformRight - 40);
        return Go(game, Firmly(Waypoint(p, x, kPlatformTop + 4 + p.Height / 2)), true, false, false);
    }
    // Fuzzies hunt only the people of their own view: while the platform is the busier of the two,
    // it waits in the street below the station, and comes up in time for its train.
    const int up = WalkTicks(kBelowX, kBelowY, kPlatformCentre, kPlatformTop + 20) + kBelowSpare;
    const int onPlatform = FuzziesInView(w, spr, 1, 0), below = FuzziesInView(w, spr, 1, 1);
    const bool belowNow = CentreY(p) >= kViewHeight && CentreX(p) >= kViewWidth;
    waiting_ = true;
    doing_ = "for its train";
    if (TicksToWindow(w, slot, catchable) > up && (below < onPlatform || (belowNow && below <= onPlatform))) {
        doing_ = "below the station";
        return Go(game, Waypoint(p, kBelowX, kBelowY), true, false, false);
    }
    return Go(game, Waypoint(p, kWaitX, kWaitY), true, false, false);
}

}  // namespace rq
