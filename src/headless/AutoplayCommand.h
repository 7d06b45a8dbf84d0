// --headless --autoplay: the autoplayer plays a game without a window until it wins or its days run out.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "headless/CommandLine.h"

namespace rq {

// Plays the game of `seed` (the game's files in appPath) with the autoplayer for up to --steps K
// steps (default: until the win or the end of day --days D, 30), writes --trace and --record when given and
// prints the summary line with the outcome ("won at step S (day D, h:mm:ss AM)" or "not won"), the
// journeys, the crystals lost to fuzzies and the times fuzzed. Returns the exit status: 0, or 1 when
// the files do not load or a file cannot be written.
int RunAutoplayCommand(const CommandLine& line, std::uint64_t seed, const std::string& appPath, std::ostream& out,
                       std::ostream& err);

}  // namespace rq
