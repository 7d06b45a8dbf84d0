// The commands that run without a window: --dump-world and --simulate.
#pragma once

#include <ostream>
#include <string>

#include "game/Game.h"
#include "game/PlayerAction.h"
#include "headless/CommandLine.h"
#include "replay/Replay.h"

namespace rq {

struct Recording;

// True when the command line asks for a command that runs without a window.
bool IsWorldCommand(const CommandLine& line);

// Runs it and returns the process's exit status (0, or 1 when the output cannot be written).
int RunWorldCommand(const CommandLine& line, std::uint64_t seed, std::ostream& out, std::ostream& err);

// Flushes standard output `out`: 0 when all of it was written, else 1 with a line on `err` saying so.
int StandardOutputStatus(std::ostream& out, std::ostream& err);

// The player of a run without a window, whose summary line says why no step ran when none did: the
// game is paused and nobody unpauses it, or the recording played (`recording`, of file `name`) has no
// step after the one the game stands at. (A recording the game left says so in its own message.)
class ExplainedPlayer : public InputSource {
public:
    ExplainedPlayer(InputSource& player, const Game& game, const RecordingInput* recording = nullptr,
                    std::string name = {});
    StepInput Next(std::int64_t step, const Game& game) override;
    std::string SummaryNote() const override;

private:
    InputSource& player_;
    const Game& game_;
    const RecordingInput* recording_;
    std::string name_;
    std::int64_t firstStep_;
    bool ended_ = false;
};

// --headless --steps K [--restless] [--trace OUT]: the game without a window, from the game's files in
// appPath, for K steps played by a restless player or by one who holds no key and clicks nothing;
// with a recording, its game to its end (or K steps). Returns the exit status (0, or 1 when the
// files do not load or an output cannot be written).
int RunHeadlessCommand(const CommandLine& line, std::uint64_t seed, const std::string& appPath, const Recording* replay,
                       std::ostream& out, std::ostream& err);

}  // namespace rq
