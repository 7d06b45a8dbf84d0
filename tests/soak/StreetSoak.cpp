// The soak: restless players (or the autoplayer) in the headless street, seed after seed, for a number
// of game hours, with the world's and the street's rules checked after every step. Prints a line a
// seed and the totals; exits 1 at the first broken rule (naming the seed and the step), 2 on a bad
// argument. An autoplayer that wins ends its seed early.
//   street_soak [--seeds N] [--first S] [--hours H] [--player restless|autoplay] [--datadir DIR]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include "autoplay/Autoplayer.h"
#include "game/Invariants.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "world/Clock.h"

namespace {

struct Options {
    std::uint64_t seeds = 10;
    std::uint64_t first = 1;
    std::uint64_t hours = 24;
    std::string dataDir = RAILQUEST_ASSET_DIR;
    bool autoplay = false;
};

bool ReadNumber(const char* text, std::uint64_t& out) {
    try {
        std::size_t used = 0;
        out = std::stoull(text, &used);
        return used == std::string(text).size() && out > 0;
    } catch (...) {
        return false;
    }
}

bool ReadOptions(int argc, char* argv[], Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        const bool good = name == "--seeds"   ? ReadNumber(value, o.seeds)
                          : name == "--first" ? ReadNumber(value, o.first)
                          : name == "--hours" ? ReadNumber(value, o.hours)
                          : name == "--player" && (std::string(value) == "restless" || std::string(value) == "autoplay")
                              ? (o.autoplay = std::string(value) == "autoplay", true)
                              : name == "--datadir" && (o.dataDir = std::string(value) + "/", true);
        if (!good) {
            std::cerr << "street_soak: bad argument '" << name << " " << value << "'\n";
            return false;
        }
    }
    if (argc % 2 == 0) {
        std::cerr << "street_soak: '" << argv[argc - 1] << "' needs a value\n";
        return false;
    }
    return true;
}

// Game time in units since midnight of day 1.
double Elapsed(const rq::World& w) {
    return (w.DayNum - 1) * rq::kUnitsPerDay + w.GameTime;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options o;
    if (!ReadOptions(argc, argv, o)) {
        return 2;
    }
    const double units = static_cast<double>(o.hours) * rq::kUnitsPerDay / 24;
    std::int64_t allSteps = 0;
    const auto began = std::chrono::steady_clock::now();
    for (std::uint64_t seed = o.first; seed < o.first + o.seeds; ++seed) {
        const auto start = std::chrono::steady_clock::now();
        rq::HeadlessGame game;
        std::string error;
        if (!game.Start(seed, o.dataDir, error)) {
            std::cerr << "street_soak: " << error << '\n';
            return 1;
        }
        rq::RestlessPlayer restless(seed);
        rq::Autoplayer autoplayer(seed);
        rq::InputSource& player = o.autoplay ? static_cast<rq::InputSource&>(autoplayer) : restless;
        rq::InvariantWatch watch;
        std::int64_t steps = 0;
        while (Elapsed(game.game().world) < units) {
            if (o.autoplay && autoplayer.Stats().WonAtStep && game.game().world.FuzzbombCity < 0) {
                break;  // the win has been announced: the autoplayer has nothing more to do
            }
            if (rq::RunSteps(game, player, 1, nullptr) != 1) {
                std::cerr << "street_soak: seed " << seed << " stopped at step " << steps << '\n';
                return 1;
            }
            ++steps;
            const rq::Violations broken = watch.Check(game.game());
            if (!broken.empty()) {
                std::cerr << "street_soak: seed " << seed << " step " << steps << ":\n";
                for (const std::string& b : broken) std::cerr << "  " << b << '\n';
                return 1;
            }
        }
        allSteps += steps;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::string played = o.autoplay ? autoplayer.SummaryNote()
                                              : std::to_string(restless.TicketsChosen()) + " tickets, " +
                                                    std::to_string(restless.Departures()) + " journeys";
        std::printf("seed %llu: %lld steps, %s, %d world scans, most passes %d (bound reached %d times), %.1f s; %s\n",
                    static_cast<unsigned long long>(seed), static_cast<long long>(steps), played.c_str(),
                    watch.WorldScans(), watch.MostCollisionPasses(), watch.PassBoundReached(), seconds,
                    rq::SummaryLine(game.game(), steps).c_str());
        std::fflush(stdout);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("%llu seeds x %llu game hours: %lld steps in %.1f s, every rule held\n",
                static_cast<unsigned long long>(o.seeds), static_cast<unsigned long long>(o.hours),
                static_cast<long long>(allSteps), seconds);
    return 0;
}
