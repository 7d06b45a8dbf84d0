// The game loop: paced ticks of the city phase, the journey's paced steps, and the splash hand-over.
// Both are built on one step function, which a run without a window calls as fast as it likes.
#pragma once

#include <cstdint>
#include <functional>

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

// Where a journey stands between two steps, as a saved game keeps it.
struct JourneyPosition {
    int NextStep = 1;  // the journey's next step, 1..181
    bool Begun = false;
    bool TickPending = false;
    bool Arrived = false;
    int LastWaitMs = 0;
};

class GameLoop {
public:
    // How often a held or disabled loop looks again whether it may run.
    static constexpr std::int64_t kIdleWakeNanoseconds = 50'000'000;

    GameLoop(Game& game, Frontend& fe) : game_(game), fe_(fe) {}

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
    // (IsGameActive). Once the splash window is gone each step counts in Shell::Steps.
    StepPhase RunStep();

    // Around every step, once it is counted: a replay applies its entries before the step (they may
    // start a new game, which ends a journey), a recording notes the step's input after it.
    JourneyPosition Position() const {
        const Trip& t = game_.shell.Travel;
        return {t.Run.NextStep(), t.Begun, t.TickPending, t.Arrived, lastWaitMs_};
    }
    // An opened game's journey position; its next step is due at once, without catch-up.
    void SetPosition(const JourneyPosition& p);

    std::function<void()> beforeStep;
    std::function<void()> afterStep;

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
    TickPacer pacer_;
    bool enabled_ = false;
    bool held_ = false;  // the game was held: the pacing restarts when it runs again

    int lastWaitMs_ = 0;             // the wait after the journey step that ran last
    std::int64_t nextStepAtMs_ = 0;  // when the current wait is over
};

}  // namespace rq
