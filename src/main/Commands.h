// The commands that run without a window: --dump-world and --simulate.
#pragma once

#include <ostream>

#include "main/CommandLine.h"

namespace rq {

// True when the command line asks for a command that runs without a window.
bool IsWorldCommand(const CommandLine& line);

// Runs it and returns the process's exit status (0, or 1 when the output cannot be written).
int RunWorldCommand(const CommandLine& line, std::uint64_t seed, std::ostream& out, std::ostream& err);

}  // namespace rq
