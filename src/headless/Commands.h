// The commands that run without a window: --dump-world and --simulate.
#pragma once

#include <ostream>
#include <string>

#include "headless/CommandLine.h"

namespace rq {

struct Recording;

// True when the command line asks for a command that runs without a window.
bool IsWorldCommand(const CommandLine& line);

// Runs it and returns the process's exit status (0, or 1 when the output cannot be written).
int RunWorldCommand(const CommandLine& line, std::uint64_t seed, std::ostream& out, std::ostream& err);

// Flushes standard output `out`: 0 when all of it was written, else 1 with a line on `err` saying so.
int StandardOutputStatus(std::ostream& out, std::ostream& err);

// --headless --steps K [--restless] [--trace OUT]: the game without a window, from the game's files in
// appPath, for K steps played by a restless player or by one who holds no key and clicks nothing;
// with a recording, its game to its end (or K steps). Returns the exit status (0, or 1 when the
// files do not load or an output cannot be written).
int RunHeadlessCommand(const CommandLine& line, std::uint64_t seed, const std::string& appPath, const Recording* replay,
                       std::ostream& out, std::ostream& err);

}  // namespace rq
