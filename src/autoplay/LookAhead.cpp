// The look ahead among fuzzies: plans played on in the scratch street, the one with the fewest
// touches, aboard if the errand would have boarded, and nearest the errand's own way chosen. The
// dodge chosen is kept on while it stays the best, so the figure does not dither between two.
#include "autoplay/LookAhead.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "autoplay/Streets.h"
#include "base/Rounding.h"
#include "game/Game.h"
#include "scene/Crystals.h"
#include "scene/Fuzzies.h"
#include "scene/Scene.h"
#include "world/Actors.h"

namespace rq {

namespace {

constexpr int kNear = 350;              // a fuzzy this near could reach the figure within the look ahead
constexpr int kHorizon = 45;            // ticks played on: three of the fuzzies' aims
constexpr int kSure = 16;               // a fuzzy's course is sure up to its next aim
constexpr int kHolds[] = {3, 8, 1000};  // how long another direction is held (1000: all along)
constexpr int kFirstLeg = 4;            // a two-direction plan's first leg
constexpr double kTouchCost = 1000;     // a touch halves the crystals, and it comes again while it lasts
constexpr double kSoonerCost = 20;      // per tick a touch comes sooner: the nearer, the surer
constexpr double kFarTouch = 0.6;       // a touch beyond the next aims is less sure
constexpr double kFuzzedCost = 1e6;     // fuzzed, the game is as good as lost
constexpr double kMissedCost = 1500;    // left behind by the train the errand would have boarded
constexpr int kRoom = 400;              // room to the nearest fuzzy at the end counts up to this far
constexpr int kDropCost = 40;           // a crystal dropped in a fuzzy's way
constexpr int kLastDropCost = 200;      // the same, with the 100 the fuzzbomb needs in hand
constexpr double kCureBonus = 400;      // a fuzzy cured by a crystal hunts no more
constexpr int kStillClear = 30;         // keys found clear are played again once fewer ticks than this are known clear
constexpr int kTurnReach = 8;           // a fuzzy this near as walkers turn at random may turn into the figure
constexpr double kTurnCost = 400;       // which it does now and then

constexpr std::array<std::uint16_t, 9> kChoices{0,          kInputUp,       kInputUpRight, kInputRight, kInputDownRight,
                                                kInputDown, kInputDownLeft, kInputLeft,    kInputUpLeft};

// Pixels between the figure and the nearest fuzzy of the street.
int NearestFuzzy(const Game& game) {
    const World& w = game.world;
    const SpriteEngine& spr = game.sprites;
    const Sprite& p = spr[kPlayerSlot];
    int gap = std::numeric_limits<int>::max();
    const int last = LastStreetActor(w);
    for (int slot = kFirstActorSlot; slot <= last && slot <= kLastActorSlot; ++slot) {
        const Sprite& a = spr[slot];
        if (a.Shown && IsFuzzyActor(w, a)) {
            const int gx = std::max(a.X - (p.X + p.Width), p.X - (a.X + a.Width));
            const int gy = std::max(a.Y - (p.Y + p.Height), p.Y - (a.Y + a.Height));
            gap = std::min(gap, std::max(gx, gy));
        }
    }
    return gap;
}

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

namespace {

// The keys a plan holds on tick t (1, 2, ...) of the look ahead, then the errand's: one crystal
// dropped, not one a tick.
std::uint16_t KeysOf(std::uint16_t first, int hold, std::uint16_t second, int hold2, std::uint16_t then, int t) {
    const std::uint16_t keys = t <= hold ? first : t <= hold + hold2 ? second : then;
    return t > 1 ? static_cast<std::uint16_t>(keys & kInputDirections) : keys;
}

}  // namespace

struct LookAhead::Outcome {
    double Cost = 0;
    int Touches = 0;
    int Risks = 0;   // ticks a fuzzy stood next to the figure as walkers turn at random
    int Aboard = 0;  // the tick the figure went out of the fuzzies' reach (into a train or the office)
    int X = 0;       // where the figure's centre ends
    int Y = 0;
};

LookAhead::Outcome LookAhead::Play(const Plan& plan, std::uint16_t then, int horizon, double cutoff,
                                   const Outcome* base, std::vector<Poses>* record) {
    copy_.Reset();
    Outcome o;
    const int fuzzies = fuzzies_;
    if ((plan.First & kInputAction) != 0) {
        o.Cost += dropCost_;
    }
    for (int t = 1; t <= horizon; ++t) {
        const std::uint16_t keys = KeysOf(plan.First, plan.Hold, plan.Second, plan.Hold2, then, t);
        if ((copy_.Clock() + 1) % kWanderTicks == 0 && copy_.FuzzyGap() <= kTurnReach) {
            o.Cost += kTurnCost;
            ++o.Risks;
        }
        const int touches = copy_.Tick(keys);
        ++ticks_;
        if (record != nullptr) {
            record->push_back(copy_.PosesNow());
        }
        if (touches > 0) {
            o.Touches += touches;
            o.Cost += touches * (kTouchCost + kSoonerCost * (horizon - t)) * (t <= kSure ? 1.0 : kFarTouch);
        }
        if (copy_.FigureFuzzed()) {
            o.Cost += kFuzzedCost;
            break;
        }
        if (!copy_.Figure().Shown) {
            o.Aboard = t;
            break;
        }
        if (o.Cost - kCureBonus * fuzzies > cutoff) {
            return o;
        }
    }
    o.Cost -= kCureBonus * std::max(0, fuzzies - copy_.Fuzzies());
    const Sprite& f = copy_.Figure();
    o.X = CentreX(f);
    o.Y = CentreY(f);
    if (o.Aboard == 0) {
        o.Cost -= std::min(copy_.FuzzyGap(), kRoom);
    }
    if (base != nullptr) {
        if (base->Aboard != 0 && o.Aboard == 0) {
            o.Cost += kMissedCost;
        } else if (o.Aboard == 0) {
            o.Cost += std::hypot(o.X - base->X, o.Y - base->Y);
        }
    }
    return o;
}

LookAhead::Plan LookAhead::Advanced(const Plan& plan) {
    Plan left = plan.Hold > 1 ? Plan{plan.First, plan.Hold - 1, plan.Second, plan.Hold2}
                              : Plan{plan.Second, plan.Hold2 - (plan.Hold == 1 ? 0 : 1), 0, 0};
    left.First = static_cast<std::uint16_t>(left.First & kInputDirections);
    return left.Hold > 0 ? left : Plan{};
}

std::optional<std::uint16_t> LookAhead::StillClear(const Game& game, std::uint16_t wanted) const {
    const int played = CInt(game.world.GameTime) - clearClock_;  // ticks since the copy was taken
    if (clearPoses_.empty() || (wanted & kInputAction) != 0 || played < 1 ||
        played > static_cast<int>(clearPoses_.size()) || clearHorizon_ - played < kStillClear) {
        return std::nullopt;
    }
    const Plan& p = clearPlan_;
    // The errand must still want what it wanted then: the plan was made for it.
    if (wanted != clearThen_ || PosesOf(game) != clearPoses_[static_cast<std::size_t>(played - 1)]) {
        return std::nullopt;
    }
    return KeysOf(p.First, p.Hold, p.Second, p.Hold2, clearThen_, played + 1);
}

std::uint16_t LookAhead::KeepClear(const Game& game, std::uint16_t wanted) {
    const World& w = game.world;
    const Sprite& p = game.sprites[kPlayerSlot];
    const Plan under = plan_;
    plan_ = {};
    if (w.CurCity == 0 || !p.Shown || w.crystals(kPlayer) == kFuzzed || NearestFuzzy(game) > kNear) {
        clearPoses_.clear();
        return wanted;
    }
    if (const std::optional<std::uint16_t> keys = StillClear(game, wanted)) {
        plan_ = Advanced(under);
        return *keys;
    }
    clearPoses_.clear();
    copy_.Take(game);
    const auto day = static_cast<std::uint64_t>(static_cast<std::uint32_t>(w.DayNum));
    const auto clock = static_cast<std::uint64_t>(static_cast<std::uint32_t>(w.GameTime));
    const auto x = static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.X));
    const auto y = static_cast<std::uint64_t>(static_cast<std::uint16_t>(p.Y));
    copy_.Seed(Mix((day << 48) ^ (clock << 24) ^ (x << 12) ^ y));
    // Longer than a train's stop: the walk up to board is played to the train's leaving.
    const int horizon = kHorizon;
    const int crystals = w.crystals(kPlayer);
    dropCost_ = crystals >= kPlayerCrystalLimit ? kLastDropCost : kDropCost;
    const auto then = static_cast<std::uint16_t>(wanted & kInputDirections);
    const auto action = static_cast<std::uint16_t>(wanted & kInputAction);
    copy_.Reset();
    fuzzies_ = copy_.Fuzzies();
    const auto clear = [](const Outcome& o) { return o.Touches == 0 && o.Risks == 0 && o.Cost < kFuzzedCost; };
    const auto remember = [&](const Plan& plan) {
        clearPlan_ = plan;
        clearThen_ = then;
        clearClock_ = CInt(w.GameTime);
        clearHorizon_ = horizon;
    };
    const Outcome base =
        Play({wanted, horizon, 0, 0}, then, horizon, std::numeric_limits<double>::max(), nullptr, &clearPoses_);
    if (clear(base)) {
        remember({wanted, horizon, 0, 0});
        return wanted;
    }
    clearPoses_.clear();
    Outcome best = base;
    Plan chosen{wanted, horizon, 0, 0};
    const auto consider = [&](const Plan& plan) {
        const Outcome o = Play(plan, then, horizon, best.Cost + kRoom, &base);
        if (o.Cost < best.Cost) {
            best = o;
            chosen = plan;
        }
    };
    // The dodge under way, on from where it stands.
    if (under.Hold > 0 || under.Hold2 > 0) {
        consider(under.Hold > 0 ? under : Plan{under.Second, under.Hold2, 0, 0});
    }
    for (const int hold : kHolds) {
        for (const std::uint16_t k : kChoices) {
            if (k != then) {
                consider({static_cast<std::uint16_t>(k | action), std::min(hold, horizon), 0, 0});
            }
        }
    }
    // A crystal dropped behind the figure cures the fuzzy that walks over it.
    if (crystals >= 2) {
        for (const int hold : kHolds) {
            for (const std::uint16_t k : kChoices) {
                if (k != 0) {
                    consider({static_cast<std::uint16_t>(k | kInputAction), std::min(hold, horizon), 0, 0});
                }
            }
        }
    }
    // Cornered: one way, then another.
    if (best.Touches > 0) {
        for (const std::uint16_t k1 : kChoices) {
            for (const std::uint16_t k2 : kChoices) {
                if (k1 != 0 && k2 != k1) {
                    consider({k1, kFirstLeg, k2, horizon});
                }
            }
        }
    }
    // A dodge found clear goes on without another search while the street goes as the copy played it.
    if (clear(best)) {
        Play(chosen, then, horizon, std::numeric_limits<double>::max(), &base, &clearPoses_);
        remember(chosen);
    }
    plan_ = chosen.First == wanted && chosen.Hold >= horizon ? Plan{} : Advanced(chosen);
    return chosen.First;
}

}  // namespace rq
