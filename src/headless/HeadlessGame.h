// A game without a window or a sound card, run step by step as fast as the machine allows: the same
// start-up, splash click and steps as the window's, driven by a player's input step by step.
//
// To drive it (a recording, a restless player, a test):
//     HeadlessGame g;
//     if (!g.Start(seed, appPath, error)) ...;         // as the window starts, up to the splash click
//     while (...) g.Step(input);                         // StepInput: held keys, then actions in order
// or let RunSteps hand the session an InputSource, step it and write the trace.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "game/Game.h"
#include "headless/HeadlessWindow.h"
#include "shell/PlayerInput.h"
#include "shell/Session.h"
#include "shell/Startup.h"
#include "sprite/BmpPictureLoader.h"

namespace rq {

class HeadlessGame : private StartupHost {
public:
    HeadlessGame();
    ~HeadlessGame() override;
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Start-up for `seed` with the game's files in appPath (ending in '/'), the one tick behind the
    // splash window and the click on it: step 0, in keyboard mode with the sound on. False, with
    // the loader's message in `error`, when a file does not load. With `drawPictures` false the
    // street is never composed: nobody sees it, and the game's state is the same without it.
    bool Start(std::uint64_t seed, const std::string& appPath, std::string& error, bool drawPictures = false);

    // One step of the session, with the input of the source it holds (see Session::Step).
    StepResult Step();
    // One step with this input (the keys, then each action), given step by step. False when no step
    // ran: the game is paused.
    bool Step(const StepInput& input);

    const Game& game() const { return *game_; }
    // The session: who holds the input, the recording made, a saved game opened.
    Session& session() { return session_; }
    // What the last step was: its phase and the held InputBits it ran with.
    StepPhase LastPhase() const { return session_.LastPhase(); }
    std::uint16_t LastInput() const { return session_.LastInput(); }
    // The trace line of the step that ran last (see StepTrace.h), with the window's notes of it
    // (messages, sounds, open panels), the input's actions included.
    std::string TraceLine() const;

private:
    PictureLoader& Pictures() override { return pictures_; }
    MessagePort& LoadMessages() override { return window_; }
    SoundPort& OpenVoice() override { return window_; }
    void LayOutPanels() override;
    Frontend& Window() override { return window_; }

    // The input a caller gives for the next step only.
    class GivenInput : public InputSource {
    public:
        StepInput Input;
        StepInput Next(std::int64_t, const Game&) override { return std::exchange(Input, {}); }
    };

    std::unique_ptr<Game> game_;
    HeadlessWindow window_;
    Session session_;
    BmpPictureLoader pictures_;
    GivenInput given_;
    bool ran_ = false;  // the last call ran a step: the window's notes of it are done with
};

// Runs steps with the input from `source` until `maxSteps` have run, the input ends, or the game is
// paused with nothing more to do. After each step a trace line goes to `trace` when given.
// Returns how many steps ran.
std::int64_t RunSteps(HeadlessGame& game, InputSource& source, std::int64_t maxSteps, std::ostream* trace);

// The one line a run without a window ends with: the steps run, the game time and day, the city,
// the player's crystals and the fuzzbomb, e.g.
// "steps 5000, time 4999 (12:27:46 AM), day 1, city 17 (Boston), crystals 10, fuzzbomb standing".
std::string SummaryLine(const Game& game, std::int64_t stepsRun);

// The headless command: starts the game for `seed`, runs up to `maxSteps` steps from `source`,
// writes the trace to `traceFile` when given ("-" is `out`; the summary then goes to `err`) and
// prints the summary line. Returns the exit status: 0, or 1 when the game's files do not load or the
// trace cannot be written.
// With `recorder`, the run is also written as a recording, complete at its end.
int RunHeadless(std::uint64_t seed, const std::string& appPath, InputSource& source, std::int64_t maxSteps,
                const std::optional<std::string>& traceFile, std::ostream& out, std::ostream& err,
                RecordingWriter* recorder = nullptr);
// The same with a game already started (or opened from a saved game).
int RunHeadless(HeadlessGame& game, InputSource& source, std::int64_t maxSteps,
                const std::optional<std::string>& traceFile, std::ostream& out, std::ostream& err,
                RecordingWriter* recorder = nullptr);

}  // namespace rq
