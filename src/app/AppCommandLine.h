// The game's command line, read with QCommandLineParser: the options, their checks and the help text.
#pragma once

#include <QStringList>
#include <string>

#include "headless/CommandLine.h"

namespace rq {

struct ParseResult {
    CommandLine Line;
    std::string Error;  // one line, empty when the arguments are good
};

// The arguments after the program's name, as the system passed them.
QStringList ArgumentsAfterProgram(int argc, char* argv[]);

ParseResult ParseAppCommandLine(const QStringList& args);

// The text printed by --help.
std::string UsageText();

// The line printed by --version: "railquest 1.11.0".
std::string VersionText();

}  // namespace rq
