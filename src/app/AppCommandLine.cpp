// Reading the game's command line: one table of options, a check per value, a one-line error.
#include "app/AppCommandLine.h"

#include <QCommandLineParser>
#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>
#include <utility>

#include "app/ArgumentBytes.h"
#include "base/QuotedText.h"
#include "base/Version.h"
#include "replay/Recording.h"
#include "save/SaveFolder.h"

namespace rq {

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last && !text.empty();
}

// Each reader stores its option's value in the command line, or returns why it cannot.
using ValueReader = std::string (*)(const std::string& value, CommandLine& line);

// A file or folder name: anything but nothing.
std::string StoreName(const std::string& value, std::optional<std::string>& field, const char* whenEmpty) {
    if (value.empty()) {
        return whenEmpty;
    }
    field = value;
    return {};
}

std::string ReadSeed(const std::string& value, CommandLine& line) {
    std::uint64_t seed = 0;
    if (!ParseNumber(value, seed)) {
        return "--seed takes a whole number from 0 to " + std::to_string(std::numeric_limits<std::uint64_t>::max()) +
               ", not '" + QuotedText(value) + "'";
    }
    line.Seed = seed;
    return {};
}

std::string ReadDumpWorld(const std::string& value, CommandLine& line) {
    return StoreName(value, line.DumpWorldFile, "--dump-world needs a file name (- for standard output)");
}

std::string ReadSimulate(const std::string& value, CommandLine& line) {
    int days = 0;
    if (!ParseNumber(value, days) || days < 1 || days > 100000) {
        return "--simulate takes a number of days from 1 to 100000, not '" + QuotedText(value) + "'";
    }
    line.SimulateDays = days;
    return {};
}

std::string ReadDataDir(const std::string& value, CommandLine& line) {
    return StoreName(value, line.DataDir, "--datadir needs a folder name");
}

std::string ReadRecord(const std::string& value, CommandLine& line) {
    return StoreName(value, line.RecordFile, "--record needs a file name");
}

std::string ReadReplay(const std::string& value, CommandLine& line) {
    return StoreName(value, line.ReplayFile, "--replay needs a file name");
}

std::string ReadSteps(const std::string& value, CommandLine& line) {
    std::int64_t steps = 0;
    if (!ParseNumber(value, steps) || steps < 1 || steps > kMaxSteps) {
        return "--steps takes a number of steps from 1 to " + std::to_string(kMaxSteps) + ", not '" +
               QuotedText(value) + "'";
    }
    line.Steps = steps;
    return {};
}

std::string ReadDays(const std::string& value, CommandLine& line) {
    int days = 0;
    if (!ParseNumber(value, days) || days < 1 || days > 100000) {
        return "--days takes a number of game days from 1 to 100000, not '" + value + "'";
    }
    line.AutoplayDays = days;
    return {};
}

std::string ReadTrace(const std::string& value, CommandLine& line) {
    return StoreName(value, line.TraceFile, "--trace needs a file name (- for standard output)");
}

std::string ReadSave(const std::string& value, CommandLine& line) {
    return StoreName(value, line.SaveFile, "--save needs a file name");
}

std::string ReadOpen(const std::string& value, CommandLine& line) {
    return StoreName(value, line.OpenFile, "--open needs a file name");
}

struct ValueOption {
    const char* Name;
    const char* ValueName;
    const char* Description;
    ValueReader Read;
};

// The options that take a value, in the order of the help text.
constexpr ValueOption kValueOptions[] = {
    {"seed", "N", "start the world from random seed N (default: from the clock)", ReadSeed},
    {"dump-world", "FILE", "write the world after start-up as JSON to FILE (- for standard output) and exit",
     ReadDumpWorld},
    {"simulate", "DAYS", "run the world's trains for DAYS game days with the player away, print a line a day",
     ReadSimulate},
    {"datadir", "DIR", "read the game's pictures, frame file, sounds and help page from DIR", ReadDataDir},
    {"record", "FILE", "play and write what you do to FILE, so that the game can be replayed", ReadRecord},
    {"replay", "FILE", "play a recorded game again in the window (your keys and menus are ignored)", ReadReplay},
    {"steps", "K", "with --headless: run K steps (city ticks or journey steps)", ReadSteps},
    {"trace", "OUT", "with --headless: write each step as a JSON line to OUT (- for standard output)", ReadTrace},
    {"days", "D", "with --autoplay: give up after D game days (30 when not given)", ReadDays},
    {"open", "FILE", "play on from the saved game FILE (.rqsave) instead of a new game; also: railquest FILE",
     ReadOpen},
    {"save", "FILE", "with --headless: save the game as it stands after its last step to FILE", ReadSave},
};

struct FlagOption {
    const char* Short;
    const char* Long;
    const char* Description;
    bool CommandLine::*Field;
};

constexpr FlagOption kFlagOptions[] = {
    {"h", "help", "show this text and exit", &CommandLine::Help},
    {"v", "version", "show the version and exit", &CommandLine::Version},
    {nullptr, "headless", "run the game without a window or sound as fast as possible, then print a summary line",
     &CommandLine::Headless},
    {nullptr, "restless", "with --headless: a restless player walks, drops crystals, buys tickets and rides trains",
     &CommandLine::Restless},
    {nullptr, "autoplay",
     "a player that plays to win: with --headless until it wins or 30 game days pass; in the window as a demo until "
     "you press a key or click",
     &CommandLine::Autoplay},
    {nullptr, "continue", "play on from the game kept when you last quit (autosave.rqsave in the data folder)",
     &CommandLine::Continue},
};

// Qt's own window-system options: QApplication reads them from argv, the parser only lets them by.
constexpr const char* kWindowSystemOptions[] = {"platform", "style", "display"};

void AddOptions(QCommandLineParser& parser) {
    // "-platform xcb" is one option, as Qt writes it, not the letters p, l, a, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const ValueOption& o : kValueOptions) {
        parser.addOption(QCommandLineOption(o.Name, o.Description, o.ValueName));
    }
    for (const FlagOption& o : kFlagOptions) {
        const QStringList names = o.Short != nullptr ? QStringList{o.Short, o.Long} : QStringList{o.Long};
        parser.addOption(QCommandLineOption(names, o.Description));
    }
    for (const char* name : kWindowSystemOptions) {
        QCommandLineOption option(name, QString(), "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The argument as the player wrote it that names the unknown option.
QString WrittenAs(const QStringList& args, const QString& name) {
    for (const QString& arg : args) {
        QString bare = arg;
        while (bare.startsWith('-')) bare.remove(0, 1);
        if (arg.startsWith('-') && bare.section('=', 0, 0) == name) {
            return arg;
        }
    }
    return "--" + name;
}

std::string UnknownArgument(const QString& arg) {
    return "unknown argument '" + QuotedText(ArgumentBytes(arg)) + "' (try --help)";
}

// Qt's parser does not say which option broke; the game's messages name it.
std::string ParseError(const QCommandLineParser& parser, const QStringList& args) {
    if (!parser.unknownOptionNames().isEmpty()) {
        return UnknownArgument(WrittenAs(args, parser.unknownOptionNames().constFirst()));
    }
    // A missing value can only be the last argument's: any other option takes the next argument.
    if (!args.isEmpty() && args.constLast().startsWith('-')) {
        return QuotedText(ArgumentBytes(args.constLast())) + " needs a value";
    }
    return parser.errorText().toStdString();
}

// A saved game opened goes with the window, the headless run and a recording played on from it without
// a window; not with a new world, nor with a recording made or played in the window.
std::string CheckSavedGame(const CommandLine& line) {
    const std::string open = line.Continue ? "--continue" : "--open";
    if (line.Continue && line.OpenFile) {
        return "--continue cannot be used with --open or a saved game's name";
    }
    if (line.SaveFile && !line.Headless) {
        return "--save needs --headless";
    }
    if (!line.OpenFile && !line.Continue) {
        return {};
    }
    if (line.Seed) {
        return open + " takes its seed from the saved game; leave out --seed";
    }
    if (line.RecordFile) {
        return open + " cannot be used with --record: a recording starts with a new game";
    }
    if (line.DumpWorldFile || line.SimulateDays || line.Autoplay) {
        return open + " cannot be used with " +
               (line.DumpWorldFile ? "--dump-world" : (line.SimulateDays ? "--simulate" : "--autoplay")) +
               ": it starts from a new world";
    }
    if (line.ReplayFile && !line.Headless) {
        return open + " plays a recording on from a saved game only with --headless";
    }
    return {};
}

// The options that go only with others, or not with others.
std::string CheckCombination(const CommandLine& line) {
    if (std::string saved = CheckSavedGame(line); !saved.empty()) {
        return saved;
    }
    if (line.DumpWorldFile && line.SimulateDays) {
        return "--dump-world and --simulate cannot be used together";
    }
    if (line.RecordFile && line.ReplayFile) {
        return "--record and --replay cannot be used together";
    }
    if (line.ReplayFile && line.Seed) {
        return "--replay takes its seed from the recording; leave out --seed";
    }
    if (line.Headless && (line.DumpWorldFile || line.SimulateDays)) {
        return "--headless cannot be used with --dump-world or --simulate";
    }
    if ((line.DumpWorldFile || line.SimulateDays) && (line.RecordFile || line.ReplayFile)) {
        return std::string(line.DumpWorldFile ? "--dump-world" : "--simulate") + " cannot be used with " +
               (line.RecordFile ? "--record" : "--replay") + ": it plays no game";
    }
    if (line.ReplayFile && (line.Restless || line.Autoplay)) {
        return std::string(line.Restless ? "--restless" : "--autoplay") +
               " cannot be used with --replay: the recording is the player";
    }
    if (line.Restless && line.Autoplay) {
        return "--restless and --autoplay cannot be used together";
    }
    if (line.Headless && !line.Steps && !line.ReplayFile && !line.Autoplay) {
        return "--headless needs --steps K (or --replay FILE)";
    }
    if (line.AutoplayDays && !line.Autoplay) {
        return "--days needs --autoplay";
    }
    if (!line.Headless && (line.Steps || line.Restless || line.TraceFile)) {
        return std::string(line.Steps ? "--steps" : (line.Restless ? "--restless" : "--trace")) + " needs --headless";
    }
    return {};
}

// Whether two names reach one file: the same file by any path or link when it exists, else the same
// place once it is made.
bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    const fs::path whereA = fs::weakly_canonical(fs::absolute(a, ec), ec);
    const fs::path whereB = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return whereA == whereB;
}

// No two options may name one file: an output would overwrite an input, or two outputs each other.
// The one exception: --save may name the game opened, replaced (atomically) once the run has ended well.
std::string CheckFilesDiffer(const CommandLine& line) {
    const std::optional<std::string> kept = line.Continue ? std::optional<std::string>(AutosavePath()) : std::nullopt;
    const std::pair<const char*, const std::optional<std::string>*> files[] = {
        {line.Continue ? "--continue" : "--open", line.Continue ? &kept : &line.OpenFile},
        {"--replay", &line.ReplayFile},
        {"--record", &line.RecordFile},
        {"--trace", &line.TraceFile},
        {"--dump-world", &line.DumpWorldFile},
        {"--save", &line.SaveFile}};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        for (std::size_t j = i + 1; j < std::size(files); ++j) {
            const std::optional<std::string>& a = *files[i].second;
            const std::optional<std::string>& b = *files[j].second;
            if (!a || !b || (i == 0 && files[j].second == &line.SaveFile)) {
                continue;
            }
            if (*a == "-" && *b == "-") {
                return std::string(files[i].first) + " - and " + files[j].first + " - both name standard output";
            }
            if (*a != "-" && *b != "-" && SameFile(*a, *b)) {
                return std::string(files[i].first) + " and " + files[j].first + " name the same file '" +
                       QuotedText(*b) + "'";
            }
        }
    }
    return {};
}

}  // namespace

QStringList ArgumentsAfterProgram(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << ArgumentText(argv[i]);
    }
    return args;
}

ParseResult ParseAppCommandLine(const QStringList& args) {
    ParseResult result;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(QStringList{"railquest"} + args)) {
        result.Error = ParseError(parser, args);
        return result;
    }
    CommandLine& line = result.Line;
    // The one plain argument is a saved game to open, as a file manager passes it.
    const QStringList plain = parser.positionalArguments();
    if (plain.size() > 1 || (!plain.isEmpty() && (parser.isSet("open") || plain.constFirst().isEmpty()))) {
        result.Error = UnknownArgument(plain.constLast());
        return result;
    }
    if (!plain.isEmpty()) {
        line.OpenFile = ArgumentBytes(plain.constFirst());
    }
    for (const FlagOption& o : kFlagOptions) {
        line.*o.Field = parser.isSet(o.Long);
    }
    for (const ValueOption& o : kValueOptions) {
        if (parser.isSet(o.Name)) {
            result.Error = o.Read(ArgumentBytes(parser.value(o.Name)), line);
            if (!result.Error.empty()) {
                return result;
            }
        }
    }
    result.Error = CheckCombination(line);
    if (result.Error.empty()) {
        result.Error = CheckFilesDiffer(line);
    }
    return result;
}

std::string UsageText() {
    QCommandLineParser parser;
    AddOptions(parser);
    // Qt's first line names the executable as started (or a placeholder); the game's line names its options.
    const QString options = parser.helpText().section('\n', 1);
    return "Usage: railquest [--seed N] [--autoplay [--days D]] [--record FILE] [--datadir DIR]\n"
           "       railquest [--open] FILE.rqsave | --continue [--datadir DIR]\n"
           "       railquest --replay FILE [--datadir DIR]\n"
           "       railquest [--seed N] (--dump-world FILE | --simulate DAYS) [--datadir DIR]\n"
           "       railquest [--seed N] --headless --steps K [--restless] [--record FILE] [--trace OUT]\n"
           "                 [--save FILE] [--datadir DIR]\n"
           "       railquest --replay FILE --headless [--steps K] [--trace OUT] [--save FILE] [--datadir DIR]\n"
           "       railquest --headless --open FILE --steps M [--restless | --replay R] [--trace OUT] [--save FILE]\n"
           "       railquest [--seed N] --headless --autoplay [--steps K] [--days D] [--trace OUT] [--record FILE]\n"
           "                 [--save FILE]\n" +
           options.toStdString();
}

std::string VersionText() {
    return std::string("railquest ") + kVersionText + "\n";
}

}  // namespace rq
