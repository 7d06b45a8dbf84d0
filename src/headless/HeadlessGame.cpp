// A game without a window: the window's start-up and splash click, the player's input applied as the
// window applies it, one step at a time, and the run's trace and summary.
#include "headless/HeadlessGame.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

#include "base/Rounding.h"
#include "headless/Commands.h"
#include "headless/StepTrace.h"
#include "panels/Panels.h"
#include "panels/WindowLayout.h"
#include "replay/Replay.h"
#include "scene/Joystick.h"
#include "shell/GameShell.h"
#include "shell/NewGame.h"
#include "shell/Startup.h"
#include "sprite/BmpPictureLoader.h"
#include "world/Clock.h"

namespace rq {

namespace {

std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n') ch = ' ';
    }
    return text;
}

}  // namespace

HeadlessGame::HeadlessGame() : game_(std::make_unique<Game>()), window_(*game_), session_(*game_, window_) {}

HeadlessGame::~HeadlessGame() {
    game_->effects.Port = nullptr;
    game_->world.CrystalDisplay = nullptr;
}

bool HeadlessGame::Start(std::uint64_t seed, const std::string& appPath, std::string& error, bool drawPictures) {
    Game& g = *game_;
    if (!StartGame(g, seed, appPath, *this)) {
        error = window_.Messages().empty() ? "the sprite slots cannot be made" : OneLine(window_.Messages().front());
        return false;
    }
    if (!drawPictures) {
        // Without a back buffer the compose and the view are skipped; collisions use only positions.
        g.sprites.Back.Release();
        g.scene.View.Release();
    }
    GameLoop& loop = session_.Loop();
    loop.SetEnabled(true, 0);
    while (g.shell.Stage != StartupStage::Ready) {
        loop.LoopTick(0);
    }
    loop.SplashClicked(0);
    ran_ = true;
    return true;
}

StepResult HeadlessGame::Step() {
    if (ran_) {
        window_.BeginStep();
    }
    const StepResult result = session_.Step();
    ran_ = result.Ran;  // without a step, what the actions showed and played stays for the next
    return result;
}

bool HeadlessGame::Step(const StepInput& input) {
    given_.Input = input;
    session_.HandTo(given_);
    return Step().Ran;
}

// The panels laid out as the window lays them out, with the design's control sizes on a screen 1024
// pixels wide: the enlarged map's scrolling reads the layout.
void HeadlessGame::LayOutPanels() {
    const Game& g = *game_;
    WindowLayout& l = game_->panels.Layout;
    ComputeWindowLayout(l, ControlSizes{}, 1024.0 * TPPX);
    const Sprite& office = g.sprites[kTicketOfficeSlot];
    ComputeTicketWindow(l, ControlSizes{}, office.Width, office.Height);
    ComputeInfoPanel(l, ControlSizes{}, g.sprites.Map.Width, g.sprites.Map.Height);
}

std::string HeadlessGame::TraceLine() const {
    return StepTraceLine(
        *game_, {session_.LastPhase() == StepPhase::City, session_.LastInput(), window_.Sounds(), window_.Messages()});
}

std::int64_t RunSteps(HeadlessGame& game, InputSource& source, std::int64_t maxSteps, std::ostream* trace) {
    std::int64_t run = 0;
    game.session().HandTo(source);
    while (run < maxSteps) {
        const StepResult step = game.Step();
        if (step.Ended) {
            break;  // nobody plays on after the source in a run without a window
        }
        if (!step.Ran) {
            if (!step.Acted) {
                break;  // paused, and the player does nothing more
            }
            continue;
        }
        ++run;
        if (trace != nullptr) {
            *trace << game.TraceLine() << '\n';
        }
        const RecordingWriter* recorder = game.game().shell.Recorder;
        if ((trace != nullptr && !*trace) || (recorder != nullptr && !recorder->Good())) {
            break;  // an output has failed: the run is reported as failed, no use going on
        }
    }
    return run;
}

std::string SummaryLine(const Game& game, std::int64_t stepsRun) {
    const World& w = game.world;
    std::ostringstream s;
    s << "steps " << stepsRun << ", time " << GameTimeText(w.GameTime) << " (" << FormatTimeOfDay(Int(w.GameTime / 3))
      << "), day " << w.DayNum << ", city " << w.CurCity;
    if (w.CurCity > 0) {
        s << " (" << w.city(w.CurCity).Name << ")";
    } else if (w.TransitDest > 0) {
        s << " (on the way to " << w.city(w.TransitDest).Name << ")";
    }
    s << ", crystals " << w.crystals(kPlayer) << (w.crystals(kPlayer) == kFuzzed ? " (fuzzed)" : "") << ", fuzzbomb "
      << (w.FuzzbombCity > 0 ? "standing" : "destroyed");
    return s.str();
}

int RunHeadless(std::uint64_t seed, const std::string& appPath, InputSource& source, std::int64_t maxSteps,
                const std::optional<std::string>& traceFile, std::ostream& out, std::ostream& err,
                RecordingWriter* recorder) {
    HeadlessGame game;
    std::string error;
    if (!game.Start(seed, appPath, error)) {
        err << "railquest: " << error << '\n';
        return 1;
    }
    return RunHeadless(game, source, maxSteps, traceFile, out, err, recorder);
}

int RunHeadless(HeadlessGame& game, InputSource& source, std::int64_t maxSteps,
                const std::optional<std::string>& traceFile, std::ostream& out, std::ostream& err,
                RecordingWriter* recorder) {
    game.session().RecordTo(recorder);
    std::ofstream file;
    std::ostream* trace = nullptr;
    if (traceFile && *traceFile == "-") {
        trace = &out;
    } else if (traceFile) {
        file.open(*traceFile, std::ios::binary | std::ios::trunc);
        if (!file) {
            err << "railquest: cannot write the trace " << *traceFile << '\n';
            return 1;
        }
        trace = &file;
    }
    const std::int64_t run = RunSteps(game, source, maxSteps, trace);
    int status = 0;
    if (recorder != nullptr && !game.session().FinishRecording()) {
        err << "railquest: cannot write the recording " << recorder->Path() << " (a full disk or a size limit?)\n";
        status = 1;
    }
    if (file.is_open()) {
        file.close();
        if (!file) {
            err << "railquest: cannot write the trace " << *traceFile << " (a full disk or a size limit?)\n";
            status = 1;
        }
    }
    const std::string note = source.SummaryNote();
    (trace == &out ? err : out) << SummaryLine(game.game(), run) << (note.empty() ? "" : ", ") << note << '\n';
    return std::max(status, StandardOutputStatus(out, err));
}

}  // namespace rq
