// What the game's command line asks for (read by the app's parser, run by the game and its commands).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rq {

struct CommandLine {
    std::optional<std::uint64_t> Seed;
    std::optional<std::string> DumpWorldFile;  // "-" is standard output
    std::optional<int> SimulateDays;
    std::optional<std::string> DataDir;     // the folder of the game's files, when given
    std::optional<std::string> RecordFile;  // --record: what the player does is written there
    std::optional<std::string> ReplayFile;  // --replay: a recorded game played again
    bool Headless = false;                  // no window, no sound: run steps as fast as possible
    std::optional<std::int64_t> Steps;      // how many steps a headless run takes
    bool Restless = false;                  // a restless player plays the headless run
    bool Autoplay = false;                  // the autoplayer plays to win (a demo in the window)
    std::optional<int> AutoplayDays;        // the game days the autoplayer plays before it gives up
    std::optional<std::string> TraceFile;   // the headless run's trace, "-" is standard output
    std::optional<std::string> SaveFile;    // --save: the headless run's game is saved there at its end
    std::optional<std::string> OpenFile;    // --open or the one plain argument: a saved game to play on
    bool Continue = false;                  // --continue: play on from the game kept at the last quit
    bool Help = false;
    bool Version = false;
};

}  // namespace rq
