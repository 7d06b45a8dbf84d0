// The command line: good arguments, and a clear error for every bad one.
#include <gtest/gtest.h>

#include "main/CommandLine.h"

namespace rq {
namespace {

ParseResult Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, NoArgumentsStartTheGameWithAClockSeed) {
    const ParseResult r = Parse({});
    EXPECT_TRUE(r.Error.empty());
    EXPECT_FALSE(r.Line.Seed.has_value());
    EXPECT_FALSE(r.Line.DumpWorldFile.has_value());
    EXPECT_FALSE(r.Line.SimulateDays.has_value());
}

TEST(CommandLine, SeedDumpAndSimulateAreRead) {
    ParseResult r = Parse({"--seed", "1234", "--dump-world", "-"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.Seed, 1234u);
    EXPECT_EQ(r.Line.DumpWorldFile, "-");
    r = Parse({"--simulate", "30", "--seed", "0"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.SimulateDays, 30);
    EXPECT_EQ(r.Line.Seed, 0u);
}

TEST(CommandLine, BadArgumentsGetAOneLineError) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--seed"},
             {"--seed", "abc"},
             {"--seed", "-5"},
             {"--seed", "12x"},
             {"--seed", ""},
             {"--seed", "99999999999999999999999"},
             {"--simulate", "0"},
             {"--simulate", "ten"},
             {"--simulate", "100001"},
             {"--dump-world"},
             {"--dump-world", ""},
             {"--frobnicate"},
             {"--dump-world", "-", "--simulate", "2"},
         }) {
        const ParseResult r = Parse(args);
        EXPECT_FALSE(r.Error.empty()) << args.front();
        EXPECT_EQ(r.Error.find('\n'), std::string::npos) << r.Error;
    }
}

TEST(CommandLine, WindowSystemOptionsPassThrough) {
    const ParseResult r = Parse({"-platform", "offscreen", "--seed", "3"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.Passthrough, (std::vector<std::string>{"-platform", "offscreen"}));
}

}  // namespace
}  // namespace rq
