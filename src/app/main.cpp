// The railquest executable: parses the command line, runs a world command or starts the game.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/Random.h"
#include "main/CommandLine.h"
#include "main/Commands.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const rq::ParseResult parsed = rq::ParseCommandLine(args);
    if (!parsed.Error.empty()) {
        std::cerr << "railquest: " << parsed.Error << '\n';
        return 2;
    }
    const rq::CommandLine& line = parsed.Line;
    if (line.Help) {
        std::cout << rq::UsageText();
        return 0;
    }
    std::uint64_t seed = 0;
    if (line.Seed) {
        seed = *line.Seed;
    } else {
        seed = rq::SeedFromClock();
        std::cerr << "railquest: seed " << seed << '\n';
    }
    if (rq::IsWorldCommand(line)) {
        return rq::RunWorldCommand(line, seed, std::cout, std::cerr);
    }
    std::cerr << "railquest: the game window is not built yet; try --dump-world -\n";
    return 0;
}
