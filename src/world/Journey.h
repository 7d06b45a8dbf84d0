// The world's half of a train journey: 180 one-minute steps, run one at a time by the game loop's timer.
#pragma once

#include <cstdint>
#include <string>

#include "base/SoundPort.h"
#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

inline constexpr int kJourneySteps = 180;  // one game minute each: the three hours of travel

// lblDayNum's caption: the bare day number as a journey begins, "Day " and the number once one of its
// steps has run.
std::string JourneyDayText(const World& w, bool stepRun);

// What a journey step did to the network.
enum class WorldPass : std::uint8_t {
    None,        // the first two steps of a journey leave the network alone
    Arrivals,    // odd steps: arrivals, then advances, for every city
    Departures,  // even steps: departures for every city but CurCity
};

enum class JourneyStatus : std::uint8_t {
    Running,  // more steps follow
    Arrived,  // step 180 has run: CurCity is the destination
    Stopped,  // StopTransit was set: the journey ends here without reaching its destination
};

struct JourneyStepReport {
    JourneyStatus Status = JourneyStatus::Running;
    int Step = 0;           // the step that ran (1..180); 0 when stopped
    std::int16_t Slot = 0;  // the train slot of the step's window
    WorldPass Pass = WorldPass::None;
    std::string ClockText;  // lblTransitTime after the step: the time as hours and minutes
    std::string DayText;    // lblDayNum after the step: "Day " and DayNum
    int WaitMs = 0;         // how long the journey waits after this step, before its tick sound
};

// A journey in progress. The game loop calls Begin once, then after every step waits WaitMs, plays
// the tick (Tick) and calls Step again until it reports Arrived or Stopped; the window shows the
// labels, waits while the game is paused or inactive, and on arrival builds the destination's
// scene before calling Finish.
class Journey {
public:
    // Clears StopTransit and aligns the clock to a whole minute, down by single units.
    void Begin(World& w);

    // Runs the next step. Does nothing but report Stopped once StopTransit is set.
    JourneyStepReport Step(World& w, SpriteEngine& spr, EffectPlayer& fx);

    // The tick sound that follows each step's wait.
    static void Tick(const EffectPlayer& fx) { fx.PlayEffect(kTick); }

    // After the destination's scene is built: one unit back, which the next city tick adds again,
    // so the city resumes exactly three hours after the aligned start.
    static void Finish(World& w) { w.GameTime -= 1; }

    int NextStep() const { return next_; }
    // A journey taken up again at `step` (1..181), as a saved game left it.
    void ResumeAt(int step) { next_ = step; }
    bool Done() const { return next_ > kJourneySteps; }

private:
    int next_ = 1;
};

// The wait after a journey step, in milliseconds: |(step − 90.5) / 7| ^ 1.9, rounded halves to even.
// Slow at both ends (127 ms on the first and last step), 0 in the middle.
int JourneyWaitMs(int step);

// The world part of journey step `step` (3..180) for the train slot `slot`: on an odd step, arrivals
// then advances for every city; on an even step, departures for every city but CurCity.
WorldPass JourneyWorldStep(World& w, SpriteEngine& spr, EffectPlayer& fx, int step, std::int16_t slot);

// A journey minute's arrivals for the trains of one slot: every stage 18 handed over, then every
// route advanced. (Departures are DeparturePass.)
void ArrivalPass(World& w, SpriteEngine& spr, EffectPlayer& fx, std::int16_t slot);

}  // namespace rq
