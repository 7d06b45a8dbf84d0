// --dump-world and --simulate: build the world from a seed and report on it, no window; and the
// headless street.
#include "headless/Commands.h"

#include <fstream>
#include <limits>
#include <memory>

#include "base/QuotedText.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "headless/WorldJson.h"
#include "replay/Replay.h"
#include "world/Simulate.h"
#include "world/WorldStartup.h"

namespace rq {

bool IsWorldCommand(const CommandLine& line) {
    return line.DumpWorldFile.has_value() || line.SimulateDays.has_value();
}

int RunWorldCommand(const CommandLine& line, std::uint64_t seed, std::ostream& out, std::ostream& err) {
    // The world and the sprite table are large: keep them off the stack.
    auto world = std::make_unique<World>();
    auto sprites = std::make_unique<SpriteEngine>();
    StartWorld(*world, *sprites, seed);

    if (line.DumpWorldFile) {
        const std::string& file = *line.DumpWorldFile;
        if (file == "-") {
            WriteWorldJson(*world, seed, out);
            return StandardOutputStatus(out, err);
        }
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        if (!stream) {
            err << "railquest: cannot write '" << file << "'\n";
            return 1;
        }
        WriteWorldJson(*world, seed, stream);
        stream.close();
        if (!stream) {
            err << "railquest: cannot write '" << file << "'\n";
            return 1;
        }
        return 0;
    }
    if (line.SimulateDays) {
        RunSimulation(*world, *sprites, *line.SimulateDays, out);
        return StandardOutputStatus(out, err);
    }
    return 0;
}

int StandardOutputStatus(std::ostream& out, std::ostream& err) {
    if (out.flush()) {
        return 0;
    }
    err << "railquest: cannot write to standard output\n";
    return 1;
}

ExplainedPlayer::ExplainedPlayer(InputSource& player, const Game& game, const RecordingInput* recording,
                                 std::string name)
    : player_(player), game_(game), recording_(recording), name_(std::move(name)), firstStep_(game.shell.Steps) {}

StepInput ExplainedPlayer::Next(std::int64_t step, const Game& game) {
    StepInput input = player_.Next(step, game);
    ended_ = ended_ || input.End;
    return input;
}

std::string ExplainedPlayer::SummaryNote() const {
    const std::string note = player_.SummaryNote();
    if (game_.shell.Steps != firstStep_ || (recording_ != nullptr && recording_->Drift())) {
        return note;
    }
    std::string why = "no step ran: ";
    if (ended_ && recording_ != nullptr) {
        why += "the recording " + FileNameText(name_) + " has no step after step " + std::to_string(firstStep_);
    } else if (game_.shell.Paused) {
        why += "the game is paused, and nobody here unpauses it";
    } else {
        why += "the player stopped at once";
    }
    return note.empty() ? why : note + ", " + why;
}

int RunHeadlessCommand(const CommandLine& line, std::uint64_t seed, const std::string& appPath, const Recording* replay,
                       std::ostream& out, std::ostream& err) {
    if (replay != nullptr) {
        RecordingInput recorded(*replay);
        const std::int64_t all = std::numeric_limits<std::int64_t>::max();
        HeadlessGame game;
        std::string error;
        if (!game.Start(replay->Seed, appPath, error)) {
            err << "railquest: " << error << '\n';
            return 1;
        }
        ExplainedPlayer player(recorded, game.game(), &recorded, line.ReplayFile.value_or("the recording"));
        const int status = RunHeadless(game, player, line.Steps.value_or(all), line.TraceFile, out, err);
        if (const std::optional<ReplayDrift>& drift = recorded.Drift(); drift && status == 0) {
            err << "railquest: " << DriftMessage(FileNameText(line.ReplayFile.value_or("the recording")), *drift)
                << '\n';
            return 3;
        }
        return status;
    }
    RestlessPlayer restless(seed);
    StillPlayer still;
    InputSource& player = line.Restless ? static_cast<InputSource&>(restless) : still;
    RecordingWriter recorder;
    if (line.RecordFile && !recorder.Open(*line.RecordFile, seed)) {
        err << "railquest: cannot write the recording " << *line.RecordFile << '\n';
        return 1;
    }
    return RunHeadless(seed, appPath, player, line.Steps.value_or(0), line.TraceFile, out, err,
                       recorder.IsOpen() ? &recorder : nullptr);
}

}  // namespace rq
