// The command line: good arguments, Qt's window-system options, and the exact error for every bad one.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <filesystem>
#include <fstream>

#include "app/AppCommandLine.h"

namespace rq {
namespace {

ParseResult Parse(const QStringList& args) {
    return ParseAppCommandLine(args);
}

TEST(AppCommandLine, OptionsAndTheirValuesAreReadAndNoneStartTheGameWithAClockSeed) {
    ParseResult r = Parse({});
    EXPECT_TRUE(r.Error.empty() && !r.Line.Seed && !r.Line.DumpWorldFile && !r.Line.SimulateDays && !r.Line.DataDir);
    EXPECT_FALSE(r.Line.Help || r.Line.Version);
    r = Parse({"--seed", "1234", "--dump-world", "-", "--datadir", "/opt/rq"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.Seed, 1234u);
    EXPECT_EQ(r.Line.DumpWorldFile, "-");
    EXPECT_EQ(r.Line.DataDir, "/opt/rq");
    r = Parse({"--simulate", "30", "--seed", "18446744073709551615"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.SimulateDays, 30);
    EXPECT_EQ(r.Line.Seed, 18446744073709551615u);
    r = Parse({"--headless", "--steps", "1000000000", "--restless", "--trace", "out.jsonl"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_TRUE(r.Line.Headless && r.Line.Restless);
    EXPECT_EQ(r.Line.Steps, 1000000000);
    EXPECT_EQ(r.Line.TraceFile, "out.jsonl");
    r = Parse({"--headless", "--autoplay", "--days", "3"});  // no --steps: it plays until it wins
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_TRUE(r.Line.Autoplay && !r.Line.Steps);
    EXPECT_EQ(r.Line.AutoplayDays, 3);
    r = Parse({"--seed=0", "--simulate=100000"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.Seed, 0u);
    EXPECT_EQ(r.Line.SimulateDays, 100000);
    r = Parse({"--headless", "--open", "a.rqsave", "--steps", "5", "--replay", "r.rqr", "--save", "b.rqsave"});
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.OpenFile, "a.rqsave");
    EXPECT_EQ(r.Line.SaveFile, "b.rqsave");
    r = Parse({"saved game.rqsave"});  // as a file manager opens it
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.OpenFile, "saved game.rqsave");
    r = Parse({"--continue"});
    ASSERT_TRUE(r.Error.empty() && r.Line.Continue && !r.Line.OpenFile) << r.Error;
    r = Parse({"-platform", "offscreen", "-style", "fusion", "--seed", "3"});  // the window system's are Qt's
    ASSERT_TRUE(r.Error.empty()) << r.Error;
    EXPECT_EQ(r.Line.Seed, 3u);
}

TEST(AppCommandLine, HelpAndVersionHaveShortAndLongNamesAndTheHelpNamesEveryOption) {
    for (const char* arg : {"-h", "--help"}) {
        const ParseResult r = Parse({arg});
        EXPECT_TRUE(r.Error.empty() && r.Line.Help && !r.Line.Version) << arg;
    }
    for (const char* arg : {"-v", "--version"}) {
        const ParseResult r = Parse({arg});
        EXPECT_TRUE(r.Error.empty() && r.Line.Version && !r.Line.Help) << arg;
    }
    const QRegularExpression version("^railquest [0-9]+\\.[0-9]+\\.[0-9]+\n$");
    EXPECT_TRUE(version.match(QString::fromStdString(VersionText())).hasMatch()) << VersionText();
    // The help text names every option but Qt's own.
    const std::string usage = UsageText();
    EXPECT_EQ(usage.rfind("Usage: railquest ", 0), 0u) << usage;
    for (const char* option :
         {"--seed", "--dump-world", "--simulate", "--datadir", "--headless", "--steps", "--restless", "--autoplay",
          "--days", "--trace", "--open", "--save", "--continue", "-h, --help", "-v, --version"}) {
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(usage.find("platform"), std::string::npos);
}

TEST(AppCommandLine, BadArgumentsGetTheirOneLineError) {
    const std::string seedRange = "--seed takes a whole number from 0 to 18446744073709551615, not ";
    const std::string daysRange = "--simulate takes a number of days from 1 to 100000, not ";
    const std::string stepsRange = "--steps takes a number of steps from 1 to 1000000000, not ";
    const struct {
        QStringList args;
        std::string error;
    } cases[] = {
        {{"--seed"}, "--seed needs a value"},
        {{"--seed", "abc"}, seedRange + "'abc'"},
        {{"--seed", "-5"}, seedRange + "'-5'"},
        {{"--seed", "12x"}, seedRange + "'12x'"},
        {{"--seed", ""}, seedRange + "''"},
        {{"--seed", "99999999999999999999999"}, seedRange + "'99999999999999999999999'"},
        {{"--simulate", "0"}, daysRange + "'0'"},
        {{"--simulate", "ten"}, daysRange + "'ten'"},
        {{"--simulate", "100001"}, daysRange + "'100001'"},
        {{"--dump-world"}, "--dump-world needs a value"},
        {{"--dump-world", ""}, "--dump-world needs a file name (- for standard output)"},
        {{"--datadir"}, "--datadir needs a value"},
        {{"--datadir", ""}, "--datadir needs a folder name"},
        {{"--frobnicate"}, "unknown argument '--frobnicate' (try --help)"},
        {{"--seed", "1", "-x=2"}, "unknown argument '-x=2' (try --help)"},
        {{"a.rqsave", "b.rqsave"}, "unknown argument 'b.rqsave' (try --help)"},
        {{"--open", "a.rqsave", "b.rqsave"}, "unknown argument 'b.rqsave' (try --help)"},
        {{"--dump-world", "-", "--simulate", "2"}, "--dump-world and --simulate cannot be used together"},
        {{"--headless"}, "--headless needs --steps K (or --replay FILE)"},
        {{"--headless", "--steps", "0"}, stepsRange + "'0'"},
        {{"--headless", "--steps", "1000000001"}, stepsRange + "'1000000001'"},
        {{"--headless", "--steps", "many"}, stepsRange + "'many'"},
        {{"--headless", "--steps", "5", "--trace", ""}, "--trace needs a file name (- for standard output)"},
        {{"--headless", "--steps", "5", "--simulate", "2"},
         "--headless cannot be used with --dump-world or --simulate"},
        {{"--headless", "--replay", "r", "--restless"},
         "--restless cannot be used with --replay: the recording is the player"},
        {{"--replay", "r", "--record", "w"}, "--record and --replay cannot be used together"},
        {{"--simulate", "1", "--record", "w"}, "--simulate cannot be used with --record: it plays no game"},
        {{"--dump-world", "-", "--replay", "r"}, "--dump-world cannot be used with --replay: it plays no game"},
        {{"--seed", "\x1b[2J" + QString(100, 'x')}, seedRange + "'\\x1B[2J" + std::string(56, 'x') + "...'"},
        {{"--steps", "5"}, "--steps needs --headless"},
        {{"--restless"}, "--restless needs --headless"},
        {{"--headless", "--steps", "5", "--days", "2"}, "--days needs --autoplay"},
        {{"--headless", "--autoplay", "--restless"}, "--restless and --autoplay cannot be used together"},
        {{"--headless", "--replay", "r", "--autoplay"},
         "--autoplay cannot be used with --replay: the recording is the player"},
        {{"--headless", "--autoplay", "--days", "0"}, "--days takes a number of game days from 1 to 100000, not '0'"},
        {{"--trace", "-"}, "--trace needs --headless"},
        {{"--open", "a.rqsave", "--seed", "3"}, "--open takes its seed from the saved game; leave out --seed"},
        {{"--open", "a.rqsave", "--headless", "--steps", "5", "--record", "w"},
         "--open cannot be used with --record: a recording starts with a new game"},
        {{"--continue", "--seed", "3"}, "--continue takes its seed from the saved game; leave out --seed"},
        {{"--continue", "a.rqsave"}, "--continue cannot be used with --open or a saved game's name"},
        {{"--open", "a.rqsave", "--replay", "r"}, "--open plays a recording on from a saved game only with --headless"},
        {{"--continue", "--dump-world", "-"},
         "--continue cannot be used with --dump-world: it starts from a new world"},
        {{"--save", "b.rqsave"}, "--save needs --headless"},
        {{"--open", ""}, "--open needs a file name"},
    };
    for (const auto& c : cases) {
        const ParseResult r = Parse(c.args);
        EXPECT_EQ(r.Error, c.error) << c.args.join(' ').toStdString();
    }
    // Whatever Qt itself objects to is still one line.
    const ParseResult r = Parse({"--help=yes"});
    EXPECT_FALSE(r.Error.empty());
    EXPECT_EQ(r.Error.find('\n'), std::string::npos) << r.Error;
}

// An output may not be an input or another output, whatever path or link names it.
TEST(AppCommandLine, TwoOptionsNamingOneFileAreRefused) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "railquest-same-file";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "sub");
    const QString rec = QString::fromStdString((dir / "r.rqr").string());
    std::ofstream(rec.toStdString()) << "railquest-replay 1\nseed 1\n";
    std::filesystem::create_symlink(dir / "r.rqr", dir / "link.rqr");
    const QString link = QString::fromStdString((dir / "link.rqr").string());
    const QString viaSub = QString::fromStdString((dir / "sub" / ".." / "r.rqr").string());
    const QString fresh = QString::fromStdString((dir / "new.txt").string());
    const QString freshViaSub = QString::fromStdString((dir / "sub" / ".." / "new.txt").string());
    const struct {
        QStringList args;
        std::string error;
    } cases[] = {
        {{"--headless", "--replay", rec, "--trace", rec}, "--replay and --trace name the same file '"},
        {{"--headless", "--replay", link, "--trace", viaSub}, "--replay and --trace name the same file '"},
        {{"--headless", "--steps", "5", "--record", fresh, "--trace", freshViaSub},
         "--record and --trace name the same file '"},
        {{"--headless", "--steps", "5", "--record", fresh, "--trace", rec}, ""},
        {{"--headless", "--replay", rec, "--trace", "-"}, ""},
    };
    for (const auto& c : cases) {
        const ParseResult r = Parse(c.args);
        EXPECT_EQ(r.Error.substr(0, c.error.size()), c.error) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.Error.empty(), c.error.empty()) << r.Error;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace rq
