// The journey's steps: clock alignment, the network's passes each minute and the arrival at the end.
#include "world/Journey.h"

#include <cmath>

#include "base/Rounding.h"
#include "world/Arrivals.h"
#include "world/Clock.h"
#include "world/Trains.h"

namespace rq {

void Journey::Begin(World& w) {
    w.StopTransit = false;
    next_ = 1;
    while (Mod(CInt(w.GameTime), 180) != 0) {
        w.GameTime -= 1;
    }
}

JourneyStepReport Journey::Step(World& w, SpriteEngine& spr, EffectPlayer& fx) {
    JourneyStepReport report;
    if (w.StopTransit || Done()) {
        report.Status = w.StopTransit ? JourneyStatus::Stopped : JourneyStatus::Arrived;
        return report;
    }
    const int step = next_++;
    const std::int16_t slot = CurrentTrainSlot(w);
    report.Step = step;
    report.Slot = slot;
    report.Pass = JourneyWorldStep(w, spr, fx, step, slot);
    if (step == kJourneySteps) {
        w.CurCity = w.TransitDest;
        w.TransitDest = 0;
        report.Status = JourneyStatus::Arrived;
    }
    AdvanceClock(w, kUnitsPerMinute);
    report.ClockText = FormatClockTime(w, 1);
    report.DayText = JourneyDayText(w, true);
    report.WaitMs = JourneyWaitMs(step);
    return report;
}

std::string JourneyDayText(const World& w, bool stepRun) {
    return (stepRun ? "Day " : "") + std::to_string(w.DayNum);
}

int JourneyWaitMs(int step) {
    return CInt(std::pow(std::fabs((step - 90.5) / 7), 1.9));
}

WorldPass JourneyWorldStep(World& w, SpriteEngine& spr, EffectPlayer& fx, int step, std::int16_t slot) {
    if (step < 3) {
        return WorldPass::None;
    }
    if (step % 2 == 1) {
        ArrivalPass(w, spr, fx, slot);
        return WorldPass::Arrivals;
    }
    DeparturePass(w, slot);
    return WorldPass::Departures;
}

void ArrivalPass(World& w, SpriteEngine& spr, EffectPlayer& fx, std::int16_t slot) {
    ProcessAllArrivals(w, spr, fx, slot);
    AdvanceAllRiders(w, slot);
}

}  // namespace rq
