// The restless player: a wander, then the ticket office, a train chosen, the platform and the train
// boarded; held up by a crowd or a wall, it steps aside for a moment and tries again.
#include "headless/RestlessPlayer.h"

#include <array>
#include <cstdlib>

#include "headless/HeadlessGame.h"
#include "world/Clock.h"
#include "world/Platform.h"

namespace rq {

namespace {

constexpr std::array<std::uint16_t, 8> kDirections{kInputUp,   kInputUpRight,  kInputRight, kInputDownRight,
                                                   kInputDown, kInputDownLeft, kInputLeft,  kInputUpLeft};

// Where the figure waits for its train: the middle of the platform, below the track.
constexpr int kPlatformX = kPlatformCentre;
constexpr int kPlatformY = 260;

// How long it tries to reach a place before it wanders off again: about ten train windows.
constexpr int kGoalPatience = 4000;

}  // namespace

RestlessPlayer::RestlessPlayer(std::uint64_t gameSeed) : dice_(gameSeed ^ 0x9E3779B97F4A7C15ull) {}

RestlessPlayer::Memory RestlessPlayer::Remember() const {
    return {dice_.State(),
            {static_cast<std::int64_t>(goal_), goalSteps_, aside_.Held, aside_.HoldFor, aside_.Still, aside_.LastX,
             aside_.LastY, panelWait_, chosen_, city_, travelling_ ? 1 : 0, ticketsChosen_, departures_}};
}

bool RestlessPlayer::Recall(const Memory& memory) {
    const std::vector<std::int64_t>& v = memory.Values;
    constexpr std::int64_t kBig = 1'000'000'000;
    auto within = [&](std::size_t i, std::int64_t low, std::int64_t high) { return v[i] >= low && v[i] <= high; };
    if (v.size() != 13 || !within(0, 0, 2) || !within(2, 0, kInputDirections) || !within(8, 0, kSlots) ||
        !within(9, 0, kNumCities) || !within(10, 0, 1)) {
        return false;
    }
    for (const std::size_t i : {1u, 3u, 4u, 5u, 6u, 7u, 11u, 12u}) {
        if (!within(i, -kBig, kBig)) {
            return false;
        }
    }
    Random dice;
    // The player's own count of draws goes into no state check.
    if (!dice.SetState(dice_.SeedGiven(), memory.Dice, 0)) {
        return false;
    }
    dice_ = dice;
    goal_ = static_cast<Goal>(v[0]);
    goalSteps_ = static_cast<int>(v[1]);
    aside_.Held = static_cast<std::uint16_t>(v[2]);
    aside_.HoldFor = static_cast<int>(v[3]);
    aside_.Still = static_cast<int>(v[4]);
    aside_.LastX = static_cast<int>(v[5]);
    aside_.LastY = static_cast<int>(v[6]);
    panelWait_ = static_cast<int>(v[7]);
    chosen_ = static_cast<std::int16_t>(v[8]);
    city_ = static_cast<std::int16_t>(v[9]);
    travelling_ = v[10] != 0;
    ticketsChosen_ = static_cast<int>(v[11]);
    departures_ = static_cast<int>(v[12]);
    return true;
}

void RestlessPlayer::SetGoal(Goal goal) {
    goal_ = goal;
    goalSteps_ = goal == Goal::Wander ? Draw(100, 1500) : kGoalPatience;
    aside_.HoldFor = 0;
    aside_.NotStuck();
}

// A direction (or none) held for a while, then another.
std::uint16_t RestlessPlayer::Wander() {
    if (aside_.HoldFor <= 0) {
        const int pick = dice_.Below(10);
        aside_.Held = pick < 8 ? kDirections[static_cast<std::size_t>(pick)] : 0;
        aside_.HoldFor = Draw(4, 64);
    }
    --aside_.HoldFor;
    return aside_.Held;
}

// Straight at a point (the figure's centre to it), along one axis first; stuck for a few steps, it
// steps aside in a random direction for a while.
std::uint16_t RestlessPlayer::Toward(const Game& game, int x, int y, bool yFirst) {
    const Sprite& p = game.sprites[kPlayerSlot];
    if (const std::optional<std::uint16_t> aside = aside_.Look(p)) {
        return *aside;
    }
    const int dx = x - (p.X + p.Width / 2);
    const int dy = y - (p.Y + p.Height / 2);
    if (std::abs(dx) <= 4 && std::abs(dy) <= 4) {
        aside_.NotStuck();
        return 0;
    }
    if (aside_.Still >= 6) {
        const std::uint16_t direction = kDirections[static_cast<std::size_t>(dice_.Below(8))];
        aside_.Hold(direction, Draw(6, 40));
        return direction;
    }
    if (std::abs(dy) > 4 && (yFirst || std::abs(dx) <= 4)) {
        return dy > 0 ? kInputDown : kInputUp;
    }
    return dx > 0 ? kInputRight : kInputLeft;
}

// Below the ticket office's door (down the street first) and up through it; or to the platform
// (along the street first, clear of the office) and up onto the track when the chosen train stands
// there.
std::uint16_t RestlessPlayer::WalkToGoal(const Game& game) {
    const SpriteEngine& spr = game.sprites;
    const Sprite& p = spr[kPlayerSlot];
    const int cx = p.X + p.Width / 2;
    const int cy = p.Y + p.Height / 2;
    if (goal_ == Goal::Office) {
        const Sprite& office = spr[kTicketOfficeSlot];
        const int doorX = office.X + office.Width / 2;
        const int belowY = office.Y + office.Height + p.Height / 2 + 6;
        if (aside_.HoldFor <= 0 && std::abs(cx - doorX) <= 6 && cy > office.Y && cy <= belowY + 6) {
            return kInputUp;
        }
        return Toward(game, doorX, belowY, true);
    }
    const bool ours = CurrentTrainSlot(game.world) == chosen_ && TrainStandsAtPlatform(spr);
    if (ours && aside_.HoldFor <= 0 && StationInView(spr) && std::abs(cx - kPlatformX) <= 40 && cy <= kPlatformY + 6) {
        return kInputUp;
    }
    return Toward(game, kPlatformX, kPlatformY, false);
}

StepInput RestlessPlayer::InPanel(StepInput in, PlayerAction ok, const Game& game) {
    in.Keys = 0;
    if (panelWait_ <= 0) {
        panelWait_ = Draw(3, 40);
    }
    if (--panelWait_ > 0) {
        return in;
    }
    if (ok.Kind == PlayerActionKind::OkTickets) {
        chosen_ = static_cast<std::int16_t>(Draw(1, 5));
        in.Actions.push_back({PlayerActionKind::Ticket, chosen_, 0});
        ++ticketsChosen_;
        SetGoal(Goal::Platform);
        aside_.Hold(kInputDown, Draw(4, 12));  // out of the office's door first
    } else {
        const Surface& map = game.sprites.Map;
        if (map.Exists() && dice_.OneIn(2)) {
            in.Actions.push_back({PlayerActionKind::Map, dice_.Below(map.Width), dice_.Below(map.Height)});
        }
        SetGoal(Goal::Wander);
    }
    in.Actions.push_back(ok);
    return in;
}

StepInput RestlessPlayer::Next(std::int64_t, const Game& game) {
    const World& w = game.world;
    const Sprite& p = game.sprites[kPlayerSlot];
    StepInput in;
    if (w.CurCity == 0) {
        departures_ += travelling_ ? 0 : 1;
        travelling_ = true;
        in.Keys = 0;
        return in;
    }
    travelling_ = false;
    if (city_ != w.CurCity) {
        city_ = w.CurCity;
        SetGoal(Goal::Wander);
    }
    if (game.panels.TicketsOpen) {
        return InPanel(in, {PlayerActionKind::OkTickets, 0, 0}, game);
    }
    if (game.panels.InfoOpen) {
        return InPanel(in, {PlayerActionKind::OkInfo, 0, 0}, game);
    }
    if (!p.Shown) {
        in.Keys = 0;  // aboard a standing train (a downward key would step off) or not yet arrived
        return in;
    }
    if (--goalSteps_ <= 0) {
        SetGoal(goal_ == Goal::Wander ? Goal::Office : Goal::Wander);
    }
    std::uint16_t keys = goal_ == Goal::Wander ? Wander() : WalkToGoal(game);
    if (goal_ == Goal::Wander && StationInView(game.sprites) && p.Y + p.Height / 2 < kPlatformY) {
        keys = kInputDown;  // a wander keeps clear of the track: only a chosen train is boarded
        aside_.HoldFor = 0;
    }
    if (w.crystals(kPlayer) > 0 && dice_.OneIn(60)) {
        keys |= kInputAction;
    }
    in.Keys = keys;
    return in;
}

}  // namespace rq
