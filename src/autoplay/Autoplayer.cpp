// The autoplayer's game: gather exactly 100 crystals (drop a few on the platform, let them
// replicate, pick them up), ride the trains of the planned route, boarding each in the last moments
// of its stop, and walk into the fuzzbomb; fuzzies are dodged all the way.
#include "autoplay/Autoplayer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "autoplay/RoutePlanner.h"
#include "autoplay/Sight.h"
#include "base/Rounding.h"
#include "game/Game.h"
#include "headless/HeadlessGame.h"
#include "scene/Crystals.h"
#include "scene/SceneRects.h"
#include "world/Actors.h"
#include "world/CityDescription.h"
#include "world/Clock.h"
#include "world/Platform.h"

namespace rq {

namespace {

constexpr int kSeeds = 4;  // crystals dropped to start a crop
constexpr int kSpare = 2;  // more crystals lying than needed before the last harvest
constexpr int kCrop = 30;  // a crop this large is harvested, but for its seeds
constexpr int kKeep = 5;   // crystals left lying as the next crop's seeds
constexpr int kGrowthPatience = 600;
constexpr int kReserve = 4;              // crystals kept in hand: a fuzzy's touch halves them, at 0 it fuzzes
constexpr int kStandX = 760;             // where it waits for a crop to grow
constexpr int kStandY = 290;             // ticks without a larger crop before harvesting what lies there
constexpr int kStuckTicks = 8;           // ticks without moving before stepping aside
constexpr int kDoorX = kPlatformCentre;  // the doors between the street's rows line up under it
constexpr int kDropX = 1215;             // where crops are sown: the platform's far right
constexpr int kDropY[kSeeds] = {230, 290, 340, 260};
constexpr int kWaitX = 1100;  // where it waits for its train
constexpr int kWaitY = 280;

int CentreX(const Sprite& s) {
    return s.X + s.Width / 2;
}
int CentreY(const Sprite& s) {
    return s.Y + s.Height / 2;
}

// The next place on the way to (x, y) through the street's doors: between the columns through the
// gaps in the middle wall, between the rows through the doors under the station's centre.
SteerGoal Waypoint(const Sprite& p, int x, int y) {
    const int cx = CentreX(p), cy = CentreY(p);
    const int row = cy / kViewHeight, goalRow = y / kViewHeight;
    if (cx < kViewWidth && x >= kViewWidth) {
        const int gapY = cy > 879 ? 942 : 565;
        return std::abs(cy - gapY) > 12 ? SteerGoal{std::min(cx, 600), gapY, 4} : SteerGoal{690, gapY, 4};
    }
    if (row != goalRow) {
        if (std::abs(cx - kDoorX) > 20) {
            const int inside = row * kViewHeight + kViewHeight / 2;
            return {kDoorX, std::abs(cy - inside) > 120 ? inside : cy, 6};
        }
        const int boundary = (goalRow > row ? row + 1 : row) * kViewHeight;
        return {kDoorX, boundary + (goalRow > row ? 40 : -40), 6};
    }
    return {x, y, 4};
}

// A clean citizen in the station view: it will walk to the crystals lying there.
bool CitizenOnPlatform(const World& w, const SpriteEngine& spr) {
    for (int slot = kFirstActorSlot; slot <= LastStreetActor(w) && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (a.Shown && !IsFuzzyActor(w, a) && CentreX(a) >= kViewWidth && CentreY(a) < kPlatformBottom) {
            return true;
        }
    }
    return false;
}

}  // namespace

Autoplayer::Autoplayer(std::uint64_t gameSeed, std::int32_t lastDay)
    : dice_(gameSeed ^ 0xA5A5F00DC0FFEE11ull), lastDay_(lastDay) {}

StepInput Autoplayer::Next(std::int64_t step, const Game& game) {
    return Play(step, game, {game.panels.TicketsOpen, game.panels.InfoOpen});
}

std::string Autoplayer::Outcome() const {
    if (!stats_.WonAtStep) {
        return "not won";
    }
    return "won at step " + std::to_string(*stats_.WonAtStep) + " (day " + std::to_string(stats_.WonDay) + ", " +
           FormatTimeOfDay(Int(stats_.WonTime / 3)) + ")";
}

std::string Autoplayer::SummaryNote() const {
    return Outcome() + ", journeys " + std::to_string(stats_.Journeys) + ", crystals lost " +
           std::to_string(stats_.CrystalsLost) + ", fuzzed " + std::to_string(stats_.TimesFuzzed);
}

// Keeps the tally: journeys, crystals lost, times fuzzed, the win.
void Autoplayer::Watch(std::int64_t step, const Game& game) {
    const World& w = game.world;
    const int crystals = w.crystals(kPlayer);
    if (crystals == kFuzzed && lastCrystals_ >= 0) {
        ++stats_.TimesFuzzed;
    } else if (crystals >= 0 && crystals < lastCrystals_ && !(dropped_ && crystals == lastCrystals_ - 1)) {
        stats_.CrystalsLost += lastCrystals_ - crystals;
    }
    lastCrystals_ = crystals;
    if (w.FuzzbombCity <= 0 && !stats_.WonAtStep) {
        stats_.WonAtStep = step - 1;
        stats_.WonTime = w.GameTime;
        stats_.WonDay = w.DayNum;
    }
    if (w.CurCity == 0 && !travelling_) {
        ++stats_.Journeys;
    }
    travelling_ = w.CurCity == 0;
}

StepInput Autoplayer::Play(std::int64_t step, const Game& game, const OpenPanels& panels) {
    Watch(step, game);
    const World& w = game.world;
    const Sprite& p = game.sprites[kPlayerSlot];
    StepInput in;
    in.Keys = 0;
    dropped_ = false;
    if (w.FuzzbombCity < 0 || w.DayNum > lastDay_) {
        in.End = true;  // the win has been announced, or time is up
        return in;
    }
    if (w.CurCity == 0) {
        return in;
    }
    if (city_ != w.CurCity) {
        city_ = w.CurCity;
        route_.clear();
        boardSlot_ = 0;
        sinceGrowth_ = 0;
    }
    if (panels.Tickets) {
        in.Actions.push_back({PlayerActionKind::OkTickets, 0, 0});
        return in;
    }
    if (panels.Info) {
        in.Actions.push_back({PlayerActionKind::OkInfo, 0, 0});
        return in;
    }
    if (w.crystals(kPlayer) == kFuzzed) {
        return in;  // the keys do nothing: wait for a crystal to cure the figure
    }
    if (!p.Shown) {
        // Aboard: stay, unless another train than the one walked into stands there (no seat was
        // free and the figure was left behind): then step off.
        const bool leftBehind = TrainStandsAtPlatform(game.sprites) && CurrentTrainSlot(w) != boardSlot_;
        in.Keys = boardSlot_ != 0 && leftBehind ? kInputDown : 0;
        return in;
    }
    in.Keys = Walk(game);
    dropped_ = (*in.Keys & kInputAction) != 0;
    return in;
}

Autoplayer::Errand Autoplayer::ChooseErrand(const Game& game) {
    const World& w = game.world;
    const int crystals = w.crystals(kPlayer);
    if (w.CurCity == w.FuzzbombCity && crystals == kPlayerCrystalLimit) {
        return Errand::Fuzzbomb;
    }
    // A fuzzed city is no place to gather crystals: it travels on with 100, or back to a clean city.
    if (crystals >= kPlayerCrystalLimit || !DescribeWords(w, w.CurCity).CrystalWord) {
        return Errand::Travel;
    }
    if (errand_ == Errand::Harvest) {
        return Errand::Harvest;
    }
    return Errand::Farm;
}

std::uint16_t Autoplayer::Walk(const Game& game) {
    const Sprite& p = game.sprites[kPlayerSlot];
    stuck_ = (p.X == lastX_ && p.Y == lastY_) ? stuck_ + 1 : 0;
    lastX_ = p.X;
    lastY_ = p.Y;
    if (unstickFor_ > 0) {
        --unstickFor_;
        return unstick_;
    }
    errand_ = ChooseErrand(game);
    switch (errand_) {
        case Errand::Fuzzbomb:
            return ToFuzzbomb(game);
        case Errand::Travel:
            return Travel(game);
        default:
            return Farm(game);
    }
}

std::uint16_t Autoplayer::Go(const Game& game, SteerGoal goal, bool keepCrystals, bool mayBoard, bool mayTouchBomb) {
    const Sprite& p = game.sprites[kPlayerSlot];
    const bool platform = goal.Y < kPlatformBottom && CentreY(p) < kPlatformBottom;
    const StreetPicture street =
        LookAtStreet(game.world, game.sprites, {mayBoard, mayTouchBomb, keepCrystals, platform});
    const int far = std::abs(goal.X - CentreX(p)) + std::abs(goal.Y - CentreY(p));
    if (far <= 3 * goal.Near + 8) {
        stuck_ = 0;  // standing at the goal is not being stuck
    }
    if (stuck_ >= kStuckTicks && !mayBoard && street.Fuzzies.empty()) {
        static constexpr std::uint16_t kAside[4] = {kInputLeft, kInputRight, kInputDown, kInputUp};
        unstick_ = kAside[dice_.Below(4)];
        unstickFor_ = 3 + dice_.Below(8);
        stuck_ = 0;
    }
    std::uint16_t keys = Steer(street, goal);
    // Never onto the track by mistake: in the last moments of any stop it boards whatever train stands there.
    const SceneRect& track =
        game.sprites.gSceneRects.size() > kTrackRect ? game.sprites.gSceneRects[kTrackRect] : SceneRect{};
    const SpriteBox trackBox{track.Left, track.Top, track.Left + track.Width, track.Top + track.Height};
    if (!mayBoard && Overlap(BoxAfter(BoxOf(p), keys), trackBox)) {
        keys = 0;
    }
    return keys;
}

std::uint16_t Autoplayer::Farm(const Game& game) {
    const World& w = game.world;
    const SpriteEngine& spr = game.sprites;
    const Sprite& p = spr[kPlayerSlot];
    const int crystals = w.crystals(kPlayer);
    const std::vector<int> lying = CrystalsOnPlatform(spr);
    const int count = static_cast<int>(lying.size());
    sinceGrowth_ = count > lying_ ? 0 : sinceGrowth_ + 1;
    lying_ = std::max(lying_, count);
    const int need = kPlayerCrystalLimit - crystals;
    // A citizen on the platform walks to the crop and eats it: then it is a race.
    const bool raid = CitizenOnPlatform(w, spr);
    const bool ripe = count >= need + kSpare || count >= kCrop || (count > kKeep && sinceGrowth_ > kGrowthPatience) ||
                      (raid && count > 0);
    if (errand_ == Errand::Harvest || ripe) {
        const int keep = raid ? 0 : kKeep;
        if (count == 0 || crystals >= kPlayerCrystalLimit || (count <= keep && need > count)) {
            errand_ = Errand::Farm;
            lying_ = count;
            sinceGrowth_ = 0;
            return Go(game, Waypoint(p, kStandX, kStandY), true, false, false);
        }
        errand_ = Errand::Harvest;
        int best = lying.front();
        long long bestD = -1;
        for (const int slot : lying) {
            const long long dx = CentreX(spr[slot]) - CentreX(p), dy = CentreY(spr[slot]) - CentreY(p);
            if (bestD < 0 || dx * dx + dy * dy < bestD) {
                bestD = dx * dx + dy * dy;
                best = slot;
            }
        }
        return Go(game, Waypoint(p, CentreX(spr[best]), CentreY(spr[best])), false, false, false);
    }
    if (count < kSeeds && crystals > kReserve && !raid) {
        const int y = kDropY[count % kSeeds];
        const SteerGoal spot = Waypoint(p, kDropX, y);
        const bool there = std::abs(CentreX(p) - kDropX) <= 6 && std::abs(CentreY(p) - y) <= 6;
        if (there) {
            return kInputLeft | kInputAction;  // walking away, it drops a crystal behind it
        }
        return Go(game, spot, true, false, false);
    }
    // Wait for the crop to grow, out of its way.
    return Go(game, Waypoint(p, kStandX, kStandY), true, false, false);
}

std::uint16_t Autoplayer::Travel(const Game& game) {
    const World& w = game.world;
    const SpriteEngine& spr = game.sprites;
    const Sprite& p = spr[kPlayerSlot];
    const std::int16_t target =
        w.crystals(kPlayer) >= kPlayerCrystalLimit ? w.FuzzbombCity : NearestCleanCity(w, w.CurCity);
    // Planned on arrival (the train of the present window has gone), and again when the train it
    // waited for has left without it.
    const std::int16_t now = CurrentTrainSlot(w);
    const bool missed = IsTrainWindowStart(w.GameTime) && route_.size() >= 2 &&
                        SlotTo(w, w.CurCity, route_[1]) == (now == 1 ? kSlots : now - 1);
    if (route_.size() < 2 || route_.front() != w.CurCity || route_.back() != target || missed) {
        route_ = PlanRoute(w, w.CurCity, target, IsTrainWindowStart(w.GameTime) ? (now == 1 ? kSlots : now - 1) : now);
    }
    if (route_.size() < 2) {
        return Go(game, Waypoint(p, kWaitX, kWaitY), true, false, false);
    }
    const std::int16_t slot = SlotTo(w, w.CurCity, route_[1]);
    // It waits in the middle of the platform, with room to dodge, and comes close under the track
    // while its train comes in and stands; in the last moments of the stop it walks onto the track.
    const bool ours =
        now == slot && (TrainStandsAtPlatform(spr) || spr[kTrainSprite].Shown || spr[kMarkedTrainSprite].Shown);
    if (ours && TrainStandsAtPlatform(spr) && w.PlatformTicks >= kLastCallTicks && CentreY(p) < kPlatformBottom) {
        boardSlot_ = slot;
        return Go(game, {CentreX(p), kPlatformTop - 20, 2, true}, true, true, false);
    }
    if (ours) {
        return Go(
            game,
            {std::clamp(CentreX(p), kPlatformLeft + 40, kPlatformRight - 40), kPlatformTop + 4 + p.Height / 2, 6, true},
            true, false, false);
    }
    return Go(game, Waypoint(p, kWaitX, kWaitY), true, false, false);
}

std::uint16_t Autoplayer::ToFuzzbomb(const Game& game) {
    const Sprite& p = game.sprites[kPlayerSlot];
    const Sprite& bomb = game.sprites[kFuzzbombSlot];
    return Go(game, Waypoint(p, CentreX(bomb), CentreY(bomb)), false, false, true);
}

}  // namespace rq
