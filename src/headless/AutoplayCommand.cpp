// The headless autoplayed game: the autoplayer as the input source of the headless street.
#include "headless/AutoplayCommand.h"

#include <limits>

#include "autoplay/Autoplayer.h"
#include "headless/HeadlessGame.h"
#include "replay/Recording.h"

namespace rq {

int RunAutoplayCommand(const CommandLine& line, std::uint64_t seed, const std::string& appPath, std::ostream& out,
                       std::ostream& err) {
    Autoplayer player(seed, line.AutoplayDays.value_or(kAutoplayDays));
    RecordingWriter recorder;
    if (line.RecordFile && !recorder.Open(*line.RecordFile, seed)) {
        err << "railquest: cannot write the recording " << *line.RecordFile << '\n';
        return 1;
    }
    const std::int64_t steps = line.Steps.value_or(std::numeric_limits<std::int64_t>::max());
    return RunHeadless(seed, appPath, player, steps, line.TraceFile, out, err, recorder.IsOpen() ? &recorder : nullptr);
}

}  // namespace rq
