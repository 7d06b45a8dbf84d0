// Parsing of the game's command line; a bad argument yields a one-line error.
#include "main/CommandLine.h"

#include <charconv>
#include <limits>

namespace rq {

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last && !text.empty();
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CommandLine& line = result.Line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            line.Help = true;
        } else if (arg == "--seed" || arg == "--dump-world" || arg == "--simulate") {
            if (!hasValue) {
                result.Error = arg + " needs a value";
                return result;
            }
            const std::string& value = args[++i];
            if (arg == "--seed") {
                std::uint64_t seed = 0;
                if (!ParseNumber(value, seed)) {
                    result.Error = "--seed takes a whole number from 0 to " +
                                   std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not '" + value + "'";
                    return result;
                }
                line.Seed = seed;
            } else if (arg == "--dump-world") {
                if (value.empty()) {
                    result.Error = "--dump-world needs a file name (- for standard output)";
                    return result;
                }
                line.DumpWorldFile = value;
            } else {
                int days = 0;
                if (!ParseNumber(value, days) || days < 1 || days > 100000) {
                    result.Error = "--simulate takes a number of days from 1 to 100000, not '" + value + "'";
                    return result;
                }
                line.SimulateDays = days;
            }
        } else if (arg == "-platform" || arg == "-style" || arg == "-display") {
            // Qt's own options pass through to the window system untouched.
            line.Passthrough.push_back(arg);
            if (hasValue) {
                line.Passthrough.push_back(args[++i]);
            }
        } else {
            result.Error = "unknown argument '" + arg + "' (try --help)";
            return result;
        }
    }
    if (line.DumpWorldFile && line.SimulateDays) {
        result.Error = "--dump-world and --simulate cannot be used together";
    }
    return result;
}

std::string UsageText() {
    return "Usage: railquest [--seed N] [--dump-world FILE | --simulate DAYS]\n"
           "  --seed N           start the world from random seed N (default: from the clock)\n"
           "  --dump-world FILE  write the world after start-up as JSON to FILE (- for standard output) and exit\n"
           "  --simulate DAYS    run the world's trains for DAYS game days with the player away, print a line a day\n"
           "  --help             show this text\n";
}

}  // namespace rq
