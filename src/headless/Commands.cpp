// --dump-world and --simulate: build the world from a seed and report on it, no window; and the
// headless street.
#include "headless/Commands.h"

#include <fstream>
#include <limits>
#include <memory>

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

int RunHeadlessCommand(const CommandLine& line, std::uint64_t seed, const std::string& appPath, const Recording* replay,
                       std::ostream& out, std::ostream& err) {
    if (replay != nullptr) {
        RecordingInput recorded(*replay);
        const std::int64_t all = std::numeric_limits<std::int64_t>::max();
        const int status =
            RunHeadless(replay->Seed, appPath, recorded, line.Steps.value_or(all), line.TraceFile, out, err);
        if (const std::optional<ReplayDrift>& drift = recorded.Drift(); drift && status == 0) {
            err << "railquest: " << DriftMessage(line.ReplayFile.value_or("the recording"), *drift) << '\n';
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
