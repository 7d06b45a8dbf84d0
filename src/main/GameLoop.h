// The game loop: paced ticks of the city phase, the journey's paced steps, and the splash hand-over.
#pragma once

#include <cstdint>

#include "main/Frontend.h"
#include "main/Game.h"
#include "main/TickPacer.h"
#include "world/Journey.h"

namespace rq {

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
    void tmrGameLoop_Timer(std::int64_t nowMilliseconds);

private:
    void TimerInTransit(std::int64_t nowMilliseconds);
    void BeginJourney();
    void EndJourney();

    Game& game_;
    Frontend& fe_;
    TickPacer pacer_;
    bool enabled_ = false;
    bool held_ = false;  // the game was held: the pacing restarts when it runs again

    Journey journey_;
    bool journeyBegun_ = false;
    bool tickPending_ = false;       // a step ran; its tick sound follows its wait
    bool arrived_ = false;           // step 180 has run
    std::int64_t nextStepAtMs_ = 0;  // when the current wait is over
};

}  // namespace rq
