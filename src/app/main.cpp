// The railquest executable: parses the command line, runs a world command or starts the game.
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/GameApp.h"
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

    rq::PrepareHighDpi();
    QApplication::setApplicationName("railquest");
    QApplication::setApplicationDisplayName("Railquest");
    QApplication app(argc, argv);
    rq::GameApp game;
    if (!game.Main(seed)) {
        return 1;  // the loader that failed has shown its message; the settings are saved
    }
    return QApplication::exec();
}
