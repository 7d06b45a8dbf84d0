// The autoplayer's game: gather exactly 100 crystals (drop a few on the platform, let them
// replicate, pick them up), ride the trains of the planned route (AutoplayTravel.cpp), and walk into
// the fuzzbomb; fuzzies are dodged all the way.
#include "autoplay/Autoplayer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "autoplay/RoutePlanner.h"
#include "autoplay/Sight.h"
#include "autoplay/Streets.h"
#include "base/Rounding.h"
#include "game/Game.h"
#include "scene/Crystals.h"
#include "scene/SceneRects.h"
#include "world/Actors.h"
#include "world/CityDescription.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/Velocity.h"

namespace rq {

namespace {

constexpr int kSeeds = 4;             // crystals dropped to start a crop
constexpr int kSpare = 2;             // more crystals lying than needed before the last harvest
constexpr int kFewShort = 10;         // this few crystals short of 100, one seed is sown
constexpr int kCrop = 30;             // a crop this large is harvested, but for its seeds
constexpr int kKeep = 5;              // crystals left lying as the next crop's seeds
constexpr int kGrowthPatience = 600;  // ticks without a larger crop before harvesting what lies there
constexpr int kReserve = 4;           // crystals kept in hand: a fuzzy's touch halves them, at 0 it fuzzes
constexpr int kStandX = 760;          // where it waits for a crop to grow
constexpr int kStandY = 290;
constexpr int kStuckTicks = 8;  // ticks without moving before stepping aside
constexpr int kDropX = 1215;    // where crops are sown: the platform's far right
constexpr int kDropY[kSeeds] = {230, 290, 340, 260};
constexpr int kFuzziesToFarm = 1;  // more fuzzies than this in a clean city's street: it travels on
constexpr int kMineTicks = 8;      // a fuzzy this few ticks from a crystal dropped now gets one

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

std::string Autoplayer::Outcome() const {
    if (!stats_.WonAtStep) {
        return "not won";
    }
    return "won at step " + std::to_string(*stats_.WonAtStep) + " (day " + std::to_string(stats_.WonDay) + ", " +
           FormatTimeOfDay(Int(stats_.WonTime / 3)) + ")";
}

std::string Autoplayer::SummaryNote() const {
    std::string note = Outcome() + ", journeys " + std::to_string(stats_.Journeys) + ", crystals lost " +
                       std::to_string(stats_.CrystalsLost) + ", fuzzed " + std::to_string(stats_.TimesFuzzed);
    if (stats_.Touches.empty()) {
        return note;
    }
    // City names hold commas: the first touch's particulars are set apart by semicolons, in brackets.
    const AutoplayTouch& t = stats_.Touches.front();
    note += ", first touch [step " + std::to_string(t.Step) + ", day " + std::to_string(t.Day) + " " +
            FormatTimeOfDay(Int(t.Time / 3)) + "; " + touchCity_ + (t.FuzzedCity ? "; fuzzed" : "; clean") +
            (t.Platform ? "; platform" : "; street") + (t.Waiting ? "; waiting " : "; walking ") + t.Doing +
            (t.NearWall ? "; near a wall (" + std::to_string(t.WallGap) + " px)]"
                        : "; in the open (" + std::to_string(t.WallGap) + " px from a wall)]") +
            ", crystals after each touch [";
    for (std::size_t i = 0; i < stats_.Touches.size(); ++i) {
        note += (i == 0 ? "" : " ") + std::to_string(stats_.Touches[i].CrystalsAfter);
    }
    return note + "]";
}

// Keeps the tally: journeys, crystals lost, times fuzzed, the win.
void Autoplayer::Watch(std::int64_t step, const Game& game) {
    const World& w = game.world;
    const int crystals = w.crystals(kPlayer);
    const bool fuzzed = crystals == kFuzzed && lastCrystals_ >= 0;
    const bool halved = crystals >= 0 && crystals < lastCrystals_ && !(dropped_ && crystals == lastCrystals_ - 1);
    if (fuzzed) {
        ++stats_.TimesFuzzed;
    } else if (halved) {
        stats_.CrystalsLost += lastCrystals_ - crystals;
    }
    if ((fuzzed || halved) && w.CurCity != 0) {
        const Sprite& p = game.sprites[kPlayerSlot];
        AutoplayTouch t;
        t.Step = step - 1;
        t.Day = w.DayNum;
        t.Time = w.GameTime;
        t.City = w.CurCity;
        t.FuzzedCity = !DescribeWords(w, w.CurCity).CrystalWord;
        t.Platform = CentreX(p) >= kPlatformLeft && CentreX(p) < kPlatformRight && CentreY(p) < kPlatformBottom;
        // Touched in the tick it stepped off its train, before it chose anything here.
        const bool arriving = doingCity_ != w.CurCity;
        t.Waiting = waiting_ && !arriving;
        t.Doing = arriving ? "off its train" : doing_;
        t.WallGap = WallGap(w, game.sprites);
        t.NearWall = t.WallGap < p.Width;
        t.CrystalsAfter = crystals;
        if (stats_.Touches.empty()) {
            touchCity_ = w.city(w.CurCity).Name;
        }
        stats_.Touches.push_back(t);
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

StepInput Autoplayer::Next(std::int64_t step, const Game& game) {
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
    if (game.panels.TicketsOpen) {
        // Sheltering in the ticket office: it chooses its train, and goes when it is time.
        const std::int16_t slot = WantedSlot(w);
        if (errand_ == Errand::Travel && slot != 0 && !TimeToLeave(game, slot)) {
            if (game.scene.SelectedTrain != slot) {
                in.Actions.push_back({PlayerActionKind::Ticket, slot, 0});
            }
            return in;
        }
        in.Actions.push_back({PlayerActionKind::OkTickets, 0, 0});
        return in;
    }
    if (game.panels.InfoOpen) {
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
    in.Keys = feet_.KeepClear(game, Walk(game));
    dropped_ = (*in.Keys & kInputAction) != 0;
    return in;
}

Autoplayer::Errand Autoplayer::ChooseErrand(const Game& game) {
    const World& w = game.world;
    const int crystals = w.crystals(kPlayer);
    const bool home = w.CurCity == w.FuzzbombCity;
    if (home && crystals == kPlayerCrystalLimit) {
        return Errand::Fuzzbomb;
    }
    // It gathers crystals in a clean city, or on the fuzzbomb's own platform when it came there
    // with fewer than 100; from the other fuzzed cities it travels on.
    if (crystals >= kPlayerCrystalLimit ||
        (!home && (!DescribeWords(w, w.CurCity).CrystalWord || FuzziesInStreet(w, game.sprites) > kFuzziesToFarm))) {
        return Errand::Travel;
    }
    if (errand_ == Errand::Harvest) {
        return Errand::Harvest;
    }
    return Errand::Farm;
}

std::uint16_t Autoplayer::Walk(const Game& game) {
    const Sprite& p = game.sprites[kPlayerSlot];
    doingCity_ = game.world.CurCity;
    if (const std::optional<std::uint16_t> aside = aside_.Look(p)) {
        doing_ = "aside";
        return *aside;
    }
    errand_ = ChooseErrand(game);
    waiting_ = false;
    doing_ = "";
    // Crystals dropped in a fuzzy's way cure it; only the last walk needs exactly 100 in hand.
    mines_ = errand_ != Errand::Fuzzbomb;
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
    const bool platform = goal.Y < kPlatformBottom && p.Y + p.Height < kPlatformBottom;
    const StreetPicture street =
        LookAtStreet(game.world, game.sprites, {mayBoard, mayTouchBomb, keepCrystals, platform});
    const int far = std::abs(goal.X - CentreX(p)) + std::abs(goal.Y - CentreY(p));
    if (far <= 3 * goal.Near + 8) {
        aside_.NotStuck();
    }
    if (aside_.Still >= kStuckTicks && !mayBoard && street.Fuzzies.empty()) {
        static constexpr std::uint16_t kAside[4] = {kInputLeft, kInputRight, kInputDown, kInputUp};
        const std::uint16_t direction = kAside[dice_.Below(4)];
        aside_.Hold(direction, 3 + dice_.Below(8));
    }
    std::uint16_t keys = Steer(street, goal);
    // Never onto the track by mistake: in the last moments of any stop it boards whatever train stands there.
    const SceneRect& track =
        game.sprites.gSceneRects.size() > kTrackRect ? game.sprites.gSceneRects[kTrackRect] : SceneRect{};
    const SpriteBox trackBox{track.Left, track.Top, track.Left + track.Width, track.Top + track.Height};
    if (!mayBoard && Overlap(BoxAfter(BoxOf(p), keys), trackBox)) {
        keys = 0;
    }
    // A crystal dropped for a fuzzy on its trail cures that fuzzy: worth it even with 100 in hand,
    // though 99 means gathering again before the last walk.
    const int crystals = game.world.crystals(kPlayer);
    if (mines_ && crystals >= 2 && FuzzyOnTrail(game.world, game.sprites, keys, kMineTicks)) {
        keys |= kInputAction;
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
            waiting_ = true;
            doing_ = "for a crop";
            return Go(game, Waypoint(p, kStandX, kStandY), true, false, false);
        }
        errand_ = Errand::Harvest;
        doing_ = "harvesting";
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
    // A few crystals short, one seed is enough: the crop doubles every few seconds.
    const int seeds = need <= kFewShort ? 1 : kSeeds;
    if (count < seeds && crystals > kReserve && !raid) {
        doing_ = "sowing";
        const int y = kDropY[count % kSeeds];
        const SteerGoal spot = Waypoint(p, kDropX, y);
        const bool there = std::abs(CentreX(p) - kDropX) <= 6 && std::abs(CentreY(p) - y) <= 6;
        if (there) {
            return kInputLeft | kInputAction;  // walking away, it drops a crystal behind it
        }
        return Go(game, spot, true, false, false);
    }
    // Wait for the crop to grow, out of its way.
    waiting_ = true;
    doing_ = "for a crop";
    return Go(game, Waypoint(p, kStandX, kStandY), true, false, false);
}

std::uint16_t Autoplayer::ToFuzzbomb(const Game& game) {
    const Sprite& p = game.sprites[kPlayerSlot];
    const Sprite& bomb = game.sprites[kFuzzbombSlot];
    // The last walk is short: it goes for the fuzzbomb, dodging only what would touch it.
    doing_ = "to the fuzzbomb";
    SteerGoal goal = Waypoint(p, CentreX(bomb), CentreY(bomb));
    goal.Firm = true;
    return Go(game, goal, false, false, true);
}

}  // namespace rq
