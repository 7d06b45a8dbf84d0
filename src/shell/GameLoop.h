// The game loop: paced ticks of the city phase, the journey's paced steps, and the splash hand-over.
// Both are built on one step function, which the session (its driver) wraps with the step's input and
// its recording, and which a run without a window calls as fast as it likes.
#pragma once

#include <cstdint>
#include <optional>

#include "game/Frontend.h"
#include "game/Game.h"
#include "shell/TickPacer.h"
#include "world/Journey.h"

namespace rq {

// The phase a step ran in.
enum class StepPhase : std::uint8_t {
    City,     // one city tick
    Transit,  // one of the journey's 180 steps
};

// Who runs a step around the game's own (the session): the step's input before it, and what was
// applied recorded after it.
class StepDriver {
public:
    virtual ~StepDriver() = default;
    // The input of the step about to run. False when the game is held now (the input paused it, say):
    // the step does not run.
    virtual bool BeforeStep() = 0;
    virtual void AfterStep(StepPhase phase) = 0;
};

class GameLoop {
public:
    // How often a held or disabled loop looks again whether it may run.
    static constexpr std::int64_t kIdleWakeNanoseconds = 50'000'000;

    // Without a driver a step runs on the input the game holds (the tests of the loop).
    GameLoop(Game& game, Frontend& fe, StepDriver* driver = nullptr) : game_(game), fe_(fe), driver_(driver) {}

    // The loop's timer: start-up enables it, the one tick behind the splash window disables it,
    // the player's click on the splash enables it again.
    void SetEnabled(bool enabled, std::int64_t nowNanoseconds);
    bool Enabled() const { return enabled_; }

    // Called on every wake of the platform timer: runs the city ticks that are due (at most two),
    // or the journey's steps that are due. While the game is held nothing runs and keys are
    // released; when it runs again the pacing restarts without catch-up.
    void Wake(std::int64_t nowNanoseconds);

    // How long the platform timer may sleep after a wake at `now`: until the next city tick or the
    // end of the journey's wait; a held or disabled loop only looks now and then whether it may run.
    std::int64_t NanosecondsUntilNextWake(std::int64_t nowNanoseconds) const;

    // After a new game: a journey under way (told to stop by StopTransit) is dropped at the step it
    // had reached, without reaching its destination; the loop is enabled in the city phase and its
    // pace starts afresh at the next wake.
    void ResumeInCity();

    // One tick of the loop's timer, as the game defines it (the splash hand-over and the phase
    // switch). `nowMilliseconds` paces a journey's steps.
    void LoopTick(std::int64_t nowMilliseconds);

    // The player's click on the splash window: the main window takes over, the clock stands one unit
    // before midnight of day 1 (step 0) and the loop runs from `now`.
    void SplashClicked(std::int64_t nowNanoseconds);

    // Runs exactly one step now, whatever the time: a city tick, or in transit one journey step (the
    // journey begun before its first step, the previous step's tick sound played first; a journey's
    // waits only pace the window). The step after a journey's last plays that step's tick and builds
    // the destination's street before its city tick. The caller has made sure the game may run
    // (IsGameActive). Once the splash window is gone the driver gives the step's input first (none
    // when the input holds the game: no step) and each step counts in Shell::Steps.
    std::optional<StepPhase> RunStep();

    // An opened game's next step (a journey's too) is due at once, and the pace starts afresh from it.
    void ResumeAfterOpen();

    // The step that runs next has a city tick: in a street, or the arrival that builds one.
    bool CityTickNext() const { return !game_.shell.InTransit || ArrivalPending(); }

private:
    void TimerInTransit(std::int64_t nowMilliseconds);
    StepPhase StepOnce();
    void CityTick();
    void JourneyStep();
    void BeginJourney();
    // Step 180 has run: the next step plays its tick, then builds the destination's street.
    bool ArrivalPending() const {
        const Trip& t = game_.shell.Travel;
        return t.Begun && t.TickPending && t.Arrived;
    }
    void FinishArrival();
    void EndJourney();

    Game& game_;
    Frontend& fe_;
    StepDriver* driver_;
    TickPacer pacer_;
    bool enabled_ = false;
    bool held_ = false;  // the game was held: the pacing restarts when it runs again

    std::int64_t nextStepAtMs_ = 0;  // when the current wait is over
};

}  // namespace rq
