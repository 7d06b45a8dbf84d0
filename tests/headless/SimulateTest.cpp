// --simulate: the census, the command's output, and the soak test: many simulated days after which
// every citizen is still in exactly one place or counted as lost, and every list is packed.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "headless/CommandLine.h"
#include "headless/Commands.h"
#include "support/WorldInvariants.h"
#include "world/CityDescription.h"
#include "world/Simulate.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

std::vector<std::string> Split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, by)) parts.push_back(part);
    return parts;
}

struct SimRun {
    std::unique_ptr<World> w = std::make_unique<World>();
    std::unique_ptr<SpriteEngine> spr = std::make_unique<SpriteEngine>();
    explicit SimRun(std::uint64_t seed) { StartWorld(*w, *spr, seed); }
};

TEST(Simulate, TheCensusCountsEveryoneWhereTheyAre) {
    SimRun run(11);
    EXPECT_EQ(testkit::ExpectWorldIsWhole(*run.w, "after start-up"), kNumCitizens);
    const WorldCensus c = TakeCensus(*run.w);
    EXPECT_EQ(c.InCities + c.OnTrains + c.Queued, kNumCitizens);
    EXPECT_GT(c.OnTrains, 1000) << "trains are already under way everywhere";
    EXPECT_EQ(c.FuzzedCitizens + c.CleanCitizens, kNumCitizens);
    EXPECT_EQ(c.Queued, 0);  // the warm-up leaves no queue
    EXPECT_EQ(c.Lost, 0);
    EXPECT_EQ(c.FuzzedCities + c.CleanCities, kNumCities - 1);  // the fuzzbomb city is neither
    int fuzzed = 0;
    for (std::int16_t city = 1; city <= kNumCities; ++city) {
        fuzzed += CityDescription(*run.w, city) == "Fuzzed City" ? 1 : 0;
    }
    EXPECT_EQ(c.FuzzedCities, fuzzed);
}

TEST(Simulate, TheCommandPrintsAHeaderAndOneLineADay) {
    CommandLine line;
    line.SimulateDays = 3;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunWorldCommand(line, 5, out, err), 0);
    const std::vector<std::string> lines = Split(out.str(), '\n');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "day\tfuzzed_cities\tclean_cities\tfuzzed_citizens\tclean_citizens\tin_cities\ton_trains\tqueued\tlost");
    for (int day = 1; day <= 3; ++day) {
        const std::vector<std::string> f = Split(lines[static_cast<std::size_t>(day)], '\t');
        ASSERT_EQ(f.size(), 9u) << lines[static_cast<std::size_t>(day)];
        EXPECT_EQ(std::stoi(f[0]), day);
        EXPECT_EQ(std::stoi(f[1]) + std::stoi(f[2]), kNumCities - 1);
        EXPECT_EQ(std::stoi(f[3]) + std::stoi(f[4]), std::stoi(f[5]) + std::stoi(f[6]) + std::stoi(f[7]));
        EXPECT_EQ(std::stoi(f[5]) + std::stoi(f[6]) + std::stoi(f[7]) + std::stoi(f[8]), kNumCitizens);
    }
    EXPECT_TRUE(err.str().empty());
    // The same seed gives the same days.
    std::ostringstream again;
    RunWorldCommand(line, 5, again, err);
    EXPECT_EQ(again.str(), out.str());
}

// The soak test: 30 simulated days per seed, the whole world checked after every day. A day is 1440
// minutes and turns the day; the player travels for ever; the fuzz spreads (nobody is cured outside
// the streets).
class SoakTest : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(SoakTest, ThirtyDaysKeepEveryCitizenAccountedFor) {
    if (kSanitized && GetParam() > 3) {
        GTEST_SKIP() << "three seeds are enough under the sanitizers";
    }
    SimRun run(GetParam());
    const WorldCensus start = TakeCensus(*run.w);
    Simulation sim(*run.w, *run.spr);
    for (int day = 1; day <= 30; ++day) {
        sim.Day();
        const std::string when = "seed " + std::to_string(GetParam()) + ", day " + std::to_string(day);
        testkit::ExpectWorldIsWhole(*run.w, when);
        const WorldCensus c = TakeCensus(*run.w);
        ASSERT_EQ(c.InCities + c.OnTrains + c.Queued + c.Lost, kNumCitizens) << when;
        ASSERT_EQ(run.w->DayNum, day + 1) << when;
        ASSERT_DOUBLE_EQ(run.w->GameTime, 0) << when;
        ASSERT_EQ(run.w->CurCity, 0) << when;
        if (day == 3) {
            EXPECT_GT(c.FuzzedCities, start.FuzzedCities) << when;
            EXPECT_GT(c.FuzzedCitizens, start.FuzzedCitizens) << when;
        }
        if (HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace rq
