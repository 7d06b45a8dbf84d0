// One game session: the game's steps, the one input source that feeds them and the recording of what
// was applied. The window drives it from its timer, a run without a window in a loop; both step it the
// same way and hand the input over the same way.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/Frontend.h"
#include "game/Game.h"
#include "game/PlayerAction.h"
#include "replay/Recording.h"
#include "replay/Replay.h"
#include "shell/GameLoop.h"

namespace rq {

// Told when each step begins (the tick log) and ends.
class StepWatcher {
public:
    virtual ~StepWatcher() = default;
    virtual void StepBegins(bool inTransit) = 0;
    // After a step has run (the records of games read how it ended).
    virtual void StepEnded() {}
};

// What Session::Step did.
struct StepResult {
    bool Ran = false;    // a step ran
    bool Ended = false;  // the source's input ended before it: the live player holds the input now
    bool Acted = false;  // actions went through the door before it
};

class Session : private StepDriver {
public:
    Session(Game& game, Frontend& fe);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    Frontend& Window() { return fe_; }
    GameLoop& Loop() { return loop_; }
    const GameLoop& Loop() const { return loop_; }

    // ---- Who holds the input ----

    // The live player: the keys, stick and clicks of whoever sits at the window (nobody without one).
    // Each hand-over to the player leaves no key held; the end of a recording also pauses the game.
    void HandToPlayer();
    // Another source holds the input from the next step on, from wherever the game stands (a recording
    // being made goes on and records what it applies): not owned, or owned.
    void HandTo(InputSource& source);
    void HandTo(std::unique_ptr<InputSource> source);
    InputFrom From() const { return game_.shell.Input; }
    // A recording played again, `name` for its messages; its entries up to the step the game has
    // reached (a saved game opened before it) are passed over.
    void PlayRecording(Recording recording, const std::string& name);
    // The first check of the recording played that the game did not pass, if any.
    std::optional<ReplayDrift> Drift() const;

    // An action of the live player, through the door only while the live player holds the input.
    void LiveAction(const PlayerAction& action);

    // ---- The recording made ----

    // What is applied from now on is written to `recorder` (null: nothing is written).
    void RecordTo(RecordingWriter* recorder) { game_.shell.Recorder = recorder; }
    // The recording made is complete from here: its state check and `end`. False when the file is not
    // complete.
    bool FinishRecording();
    // A saved game read and checked takes the running game's place: a recording being made ends,
    // complete up to here (a recording starts with a new game), the player holds the input (with the
    // keys the game was saved with), a stick saved in the game plays on only while one answers, and the
    // next step is due at once.
    // Returns whether a recording ended.
    bool Opened(Game&& opened);

    // Told when each step begins, whoever holds the input.
    void WatchSteps(StepWatcher* watcher) { watcher_ = watcher; }

    // ---- Steps ----

    // One step now, whatever the time (a run without a window): the input from the source through the
    // door, the step unless the game is held, and what was applied recorded.
    StepResult Step();
    // The window's timer: the steps that are due (see GameLoop::Wake), each run as Step runs it.
    void Wake(std::int64_t nowNanoseconds) { loop_.Wake(nowNanoseconds); }

    // What the last step was: its phase and the held InputBits it ran with.
    StepPhase LastPhase() const { return lastPhase_; }
    std::uint16_t LastInput() const { return lastInput_; }

private:
    bool BeforeStep() override;
    void AfterStep(StepPhase phase) override;
    void ReadStick();

    Game& game_;
    Frontend& fe_;
    GameLoop loop_;
    InputSource* source_ = nullptr;  // none: the live player
    std::unique_ptr<InputSource> owned_;
    std::unique_ptr<Recording> recording_;
    std::unique_ptr<RecordingInput> replay_;
    std::string replayName_;
    StepWatcher* watcher_ = nullptr;
    StepResult last_;
    StepPhase lastPhase_ = StepPhase::City;
    std::uint16_t lastInput_ = 0;
};

}  // namespace rq
