// The game loop. A journey is a resumable sequence: each wake runs the steps whose waits are over,
// so the window stays responsive without a nested event loop.
#include "shell/GameLoop.h"

#include <algorithm>

#include "scene/CityTick.h"
#include "scene/EnterCity.h"
#include "shell/GameShell.h"
#include "world/Clock.h"

namespace rq {

namespace {

// Zero-length waits in the middle of a journey let steps follow each other at once; this many per
// wake keeps the window responsive (the journey's pace comes from its longer waits at both ends).
constexpr int kMaxJourneyStepsPerWake = 6;

constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;

}  // namespace

void GameLoop::SetEnabled(bool enabled, std::int64_t nowNanoseconds) {
    if (enabled && !enabled_) {
        pacer_.Restart(nowNanoseconds);
    }
    enabled_ = enabled;
}

void GameLoop::Wake(std::int64_t nowNanoseconds) {
    if (!enabled_) {
        return;
    }
    if (!IsGameActive(game_.shell, fe_.CurrentWindowState())) {
        game_.scene.InputBits = 0;
        held_ = true;
        return;
    }
    if (held_) {
        held_ = false;
        pacer_.Restart(nowNanoseconds);
    }
    const std::int64_t nowMs = nowNanoseconds / kNanosecondsPerMillisecond;
    if (game_.shell.InTransit && !game_.shell.SplashUp) {
        // The journey keeps its own pace, measured in milliseconds.
        LoopTick(nowMs);
        pacer_.Restart(nowNanoseconds);
        return;
    }
    const int due = pacer_.TicksDue(nowNanoseconds);
    for (int i = 0; i < due && enabled_; ++i) {
        LoopTick(nowMs);
        if (!IsGameActive(game_.shell, fe_.CurrentWindowState())) {
            break;  // a message box opened during the tick
        }
    }
}

std::int64_t GameLoop::NanosecondsUntilNextWake(std::int64_t nowNanoseconds) const {
    if (!enabled_ || held_) {
        return kIdleWakeNanoseconds;
    }
    if (game_.shell.InTransit && !game_.shell.SplashUp) {
        if (!game_.shell.Travel.Begun) {
            return 0;
        }
        const std::int64_t wait = nextStepAtMs_ * kNanosecondsPerMillisecond - nowNanoseconds;
        return std::max<std::int64_t>(0, wait);
    }
    return pacer_.NanosecondsUntilDue(nowNanoseconds);
}

void GameLoop::ResumeInCity() {
    game_.shell.Travel = Trip{};
    game_.shell.InTransit = false;
    enabled_ = true;
    held_ = true;  // no catch-up for the time the question was open
}

void GameLoop::ResumeAfterOpen() {
    nextStepAtMs_ = 0;
    held_ = true;
}

void GameLoop::LoopTick(std::int64_t nowMilliseconds) {
    Shell& shell = game_.shell;
    if (!IsGameActive(shell, fe_.CurrentWindowState())) {
        game_.scene.InputBits = 0;
        return;
    }
    if (shell.SplashUp) {
        if (shell.FirstTickDone) {
            // The street's first picture is ready behind the splash window; the splash offers the start.
            shell.Stage = StartupStage::Ready;
            enabled_ = false;
            return;
        }
        shell.FirstTickDone = true;
    }
    if (shell.InTransit) {
        TimerInTransit(nowMilliseconds);
    } else {
        RunStep();
    }
}

void GameLoop::SplashClicked(std::int64_t nowNanoseconds) {
    game_.shell.SplashUp = false;
    game_.world.GameTime = -1;
    SetEnabled(true, nowNanoseconds);
}

std::optional<StepPhase> GameLoop::RunStep() {
    // The tick behind the splash window is no step of the player's: it takes no input and counts not.
    const bool counted = !game_.shell.SplashUp;
    if (counted && driver_ != nullptr && !driver_->BeforeStep()) {
        return std::nullopt;
    }
    if (counted) {
        ++game_.shell.Steps;
    }
    const StepPhase phase = StepOnce();
    if (counted && driver_ != nullptr) {
        driver_->AfterStep(phase);
    }
    return phase;
}

StepPhase GameLoop::StepOnce() {
    const Shell& shell = game_.shell;
    if (shell.InTransit && ArrivalPending()) {
        FinishArrival();
    }
    if (shell.InTransit) {
        JourneyStep();
        return StepPhase::Transit;
    }
    CityTick();
    return StepPhase::City;
}

void GameLoop::CityTick() {
    SceneContext ctx = SceneOf(game_, fe_);
    if (TimerInCity(ctx) == CityTickResult::JourneyBegins) {
        game_.shell.InTransit = true;
    }
}

void GameLoop::BeginJourney() {
    Trip& trip = game_.shell.Travel;
    trip = Trip{};
    trip.Run.Begin(game_.world);  // clears StopTransit and aligns the clock to the minute
    trip.Begun = true;
    fe_.ShowTransit(game_.scene.TransitRoute, FormatClockTime(game_.world, 1), JourneyDayText(game_.world, false));
}

void GameLoop::JourneyStep() {
    Trip& trip = game_.shell.Travel;
    if (!trip.Begun) {
        BeginJourney();
    }
    if (trip.TickPending) {
        Journey::Tick(game_.effects);
        trip.TickPending = false;
    }
    const JourneyStepReport report = trip.Run.Step(game_.world, game_.sprites, game_.effects);
    if (report.Status == JourneyStatus::Stopped) {
        // A quit or a new game asked the journey to stop; whoever asked rebuilds the window.
        trip.Begun = false;
        return;
    }
    fe_.UpdateTransit(report.ClockText, report.DayText);
    trip.Arrived = report.Status == JourneyStatus::Arrived;
    trip.TickPending = true;
    trip.LastWaitMs = report.WaitMs;
}

void GameLoop::FinishArrival() {
    Journey::Tick(game_.effects);
    game_.shell.Travel.TickPending = false;
    EndJourney();
}

void GameLoop::EndJourney() {
    game_.shell.Travel.Begun = false;
    SceneContext ctx = SceneOf(game_, fe_);
    EnterCity(ctx, game_.world.CurCity);
    fe_.HideTransit();
    game_.shell.InTransit = false;
    Journey::Finish(game_.world);  // one unit back, which the next city tick adds again
}

// In the window the journey's waits pace its steps. The end of the last wait runs the arrival's step,
// as a run without a window does: the last tick, the destination's street and its first city tick,
// so that an action taken before it meets the same game in both; the city's pace follows.
void GameLoop::TimerInTransit(std::int64_t nowMilliseconds) {
    if (!game_.shell.Travel.Begun) {
        nextStepAtMs_ = nowMilliseconds;
    }
    for (int steps = 0; steps < kMaxJourneyStepsPerWake; ++steps) {
        if (nowMilliseconds < nextStepAtMs_) {
            return;
        }
        const bool arriving = ArrivalPending();
        if (!RunStep() || arriving || !game_.shell.Travel.Begun) {
            return;  // held, arrived, or stopped
        }
        nextStepAtMs_ = nowMilliseconds + game_.shell.Travel.LastWaitMs;
    }
}

}  // namespace rq
