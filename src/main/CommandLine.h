// The game's command line: --seed N, --dump-world FILE, --simulate DAYS, --help.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rq {

struct CommandLine {
    std::optional<std::uint64_t> Seed;
    std::optional<std::string> DumpWorldFile;  // "-" is standard output
    std::optional<int> SimulateDays;
    bool Help = false;
    std::vector<std::string> Passthrough;  // options for the window system (-platform, -style, ...)
};

struct ParseResult {
    CommandLine Line;
    std::string Error;  // empty when the arguments are good
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// The usage text printed by --help.
std::string UsageText();

}  // namespace rq
