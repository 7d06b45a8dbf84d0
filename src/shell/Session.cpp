// The session's step: the input from the one source through the door, the step, and what was applied
// recorded with the step it was applied before; and the hand-overs between sources.
#include "shell/Session.h"

#include <utility>

#include "scene/Joystick.h"
#include "shell/GameShell.h"
#include "shell/PlayerInput.h"

namespace rq {

Session::Session(Game& game, Frontend& fe) : game_(game), fe_(fe), loop_(game, fe, this) {}

Session::~Session() = default;

void Session::HandToPlayer() {
    const bool recordingEnded = game_.shell.Input == InputFrom::Recording;
    source_ = nullptr;
    game_.shell.Input = InputFrom::Live;
    // The held keys were the source's, not the player's.
    HandlePlayerAction(game_, fe_, loop_, {PlayerActionKind::Keys, 0});
    // At a recording's end the game waits for the player, who goes on with Pause.
    if (recordingEnded && !game_.shell.Paused) {
        HandlePlayerAction(game_, fe_, loop_, {PlayerActionKind::MenuPause});
    }
    fe_.ShowInputFrom(InputFrom::Live);
}

void Session::HandTo(InputSource& source) {
    source_ = &source;
    game_.shell.Input = source.From();
    fe_.ShowInputFrom(source.From());
}

void Session::HandTo(std::unique_ptr<InputSource> source) {
    owned_ = std::move(source);
    HandTo(*owned_);
}

void Session::PlayRecording(Recording recording, const std::string& name) {
    recording_ = std::make_unique<Recording>(std::move(recording));
    replay_ = std::make_unique<RecordingInput>(*recording_);
    replay_->SkipThrough(game_.shell.Steps);
    replayName_ = name;
    HandTo(*replay_);
}

std::optional<ReplayDrift> Session::Drift() const {
    return replay_ ? replay_->Drift() : std::nullopt;
}

void Session::LiveAction(const PlayerAction& action) {
    HandleLiveAction(game_, fe_, loop_, action);
}

bool Session::FinishRecording() {
    return rq::FinishRecording(game_);
}

bool Session::Opened(Game&& opened) {
    const bool recording = game_.shell.Recorder != nullptr;
    rq::FinishRecording(game_);
    game_ = std::move(opened);
    game_.shell.Recorder = nullptr;
    source_ = nullptr;
    game_.shell.Input = InputFrom::Live;
    RestoreControlMode(game_.scene, game_.scene.JoystickMode);
    loop_.ResumeAfterOpen();
    fe_.ShowInputFrom(InputFrom::Live);
    return recording;
}

StepResult Session::Step() {
    last_ = {};
    const std::optional<StepPhase> ran = loop_.RunStep();
    last_.Ran = ran.has_value();
    return last_;
}

// The live player's stick is read before each city tick, as the tick itself once read it; a failed read
// says so and hands the control back to the keyboard, the keys held as they were.
void Session::ReadStick() {
    if (!game_.scene.JoystickMode || !loop_.CityTickNext()) {
        return;
    }
    if (const std::optional<std::uint16_t> bits = ReadJoystick(game_.scene, fe_)) {
        HandlePlayerAction(game_, fe_, loop_, {PlayerActionKind::Keys, *bits});
    }
}

bool Session::BeforeStep() {
    last_ = {};
    if (source_ == nullptr) {
        ReadStick();
    } else {
        const StepInput input = source_->Next(NextStep(game_.shell), game_);
        if (input.End) {
            const std::optional<ReplayDrift> drift = source_ == replay_.get() ? replay_->Drift() : std::nullopt;
            HandToPlayer();
            last_.Ended = true;
            if (drift) {
                fe_.ShowExclamation(DriftMessage(replayName_, *drift));
            }
            return false;
        }
        last_.Acted = !input.Actions.empty();
        ApplyStepInput(game_, fe_, loop_, input);
    }
    lastInput_ = game_.scene.InputBits;
    if (!IsGameActive(game_.shell, fe_.CurrentWindowState())) {
        return false;
    }
    if (watcher_ != nullptr) {
        watcher_->StepBegins(game_.shell.InTransit);
    }
    return true;
}

void Session::AfterStep(StepPhase phase) {
    lastPhase_ = phase;
    RecordStep(game_);
    if (watcher_ != nullptr) {
        watcher_->StepEnded();
    }
}

}  // namespace rq
