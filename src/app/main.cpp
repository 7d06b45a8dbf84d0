// The railquest executable: reads the command line, finds the game's files, runs a world command or starts the game.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppCommandLine.h"
#include "app/DataFolder.h"
#include "app/GameApp.h"
#include "base/QuotedText.h"
#include "base/Random.h"
#include "headless/AutoplayCommand.h"
#include "headless/Commands.h"
#include "replay/Recording.h"
#include "save/HeadlessSave.h"
#include "save/SaveFolder.h"
#include "save/SavedGameFile.h"

namespace {

// The game's files, or the one-line error naming the folders tried. Needs the application object.
std::optional<std::string> LocateGameFiles(const rq::CommandLine& line) {
    const rq::DataFolderSearch search = rq::FindDataFolder(QCoreApplication::applicationDirPath(), line.DataDir);
    if (!search.Folder) {
        std::cerr << "railquest: " << rq::DataFolderMissingText(search) << '\n';
    }
    return search.Folder;
}

// The recording named by --replay, or the one-line fault and the exit status: 1 when the file cannot
// be read, 2 when it is not a good recording.
std::optional<rq::Recording> ReadRecording(const std::string& path, int& status) {
    rq::RecordingParse parsed = rq::ReadRecordingFile(path);
    if (!parsed.Result) {
        std::cerr << "railquest: the recording " << rq::FileNameText(path) << (parsed.CannotRead ? " " : ", ")
                  << parsed.Error << '\n';
        status = parsed.CannotRead ? 1 : 2;
    }
    return std::move(parsed.Result);
}

std::uint64_t ChooseSeed(const rq::CommandLine& line) {
    if (line.Seed) {
        return *line.Seed;
    }
    const std::uint64_t seed = rq::SeedFromClock();
    std::cerr << "railquest: seed " << seed << '\n';
    return seed;
}

// --continue: the game kept when the player last quit becomes the game to open; false with the message
// when there is none. Anything of that name (a link that leads nowhere, a folder) is opened, and its
// reader says what is wrong with it.
bool FindKeptGame(rq::CommandLine& line) {
    const std::string kept = rq::AutosavePath();
    std::error_code ec;
    if (kept.empty() || !std::filesystem::exists(std::filesystem::symlink_status(kept, ec))) {
        std::cerr << "railquest: there is no game to continue: "
                  << (kept.empty() ? std::string("neither XDG_DATA_HOME nor HOME is set")
                                   : rq::FileNameText(kept) + " does not exist")
                  << " (a game is kept there when you quit)\n";
        return false;
    }
    line.OpenFile = kept;
    return true;
}

// Qt ends a program whose window system cannot start with several lines of advice and an abort; the
// game says it in one line. What Qt says while it starts is held back until it has started.
std::vector<std::string>& HeldMessages() {
    static std::vector<std::string> held;
    return held;
}

void HoldWindowSystemMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << "railquest: no display could be opened for the game's window; --headless runs the game without "
                     "one\n";
        std::_Exit(1);
    }
    HeldMessages().push_back(qFormatLogMessage(type, context, text).toStdString());
}

// The window system's application object, or the one-line message and status 1 when it cannot start.
//
// On X11, Qt hands each repaint to the server in memory both share, and before painting again over
// what it handed last it waits for the server to have read it: a round trip to the server. The game
// repaints a few small blocks 64 times a second, each over the last, so sending their pixels down the
// connection costs the game, and the server, less: a busy street about a third less. Qt leaves shared
// memory aside whenever QT_XCB_NO_MITSHM is set; a setting the player made is left as it is, and ours
// is taken back once the connection is made, so that no program the game starts inherits it.
std::unique_ptr<QApplication> StartWindowSystem(int& argc, char* argv[]) {
    const QtMessageHandler before = qInstallMessageHandler(HoldWindowSystemMessages);
    const bool playersChoice = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!playersChoice) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    if (!playersChoice) {
        qunsetenv("QT_XCB_NO_MITSHM");
    }
    qInstallMessageHandler(before);
    for (const std::string& message : HeldMessages()) {
        std::cerr << message << '\n';
    }
    return app;
}

// The icon of every window, drawn by tools/icongen and built into the executable.
QIcon GameIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/hicolor/%1x%1/apps/railquest.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // Past a file-size limit a write fails and the game says so, instead of dying without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const rq::ParseResult parsed = rq::ParseAppCommandLine(rq::ArgumentsAfterProgram(argc, argv));
    if (!parsed.Error.empty()) {
        std::cerr << "railquest: " << parsed.Error << '\n';
        return 2;
    }
    rq::CommandLine line = parsed.Line;
    if (line.Help || line.Version) {
        std::cout << (line.Help ? rq::UsageText() : rq::VersionText());
        return rq::StandardOutputStatus(std::cout, std::cerr);
    }
    if (rq::IsWorldCommand(line)) {
        const QCoreApplication app(argc, argv);  // no window: only to know the program's folder
        if (!LocateGameFiles(line)) {
            return 1;
        }
        return rq::RunWorldCommand(line, ChooseSeed(line), std::cout, std::cerr);
    }
    if (line.Continue && !FindKeptGame(line)) {
        return 2;
    }
    std::optional<rq::Recording> replay;
    if (line.ReplayFile) {
        int status = 0;
        replay = ReadRecording(*line.ReplayFile, status);
        if (!replay) {
            return status;
        }
    }
    if (line.Headless) {
        const QCoreApplication app(argc, argv);  // no window, no sound: only to know the program's folder
        const std::optional<std::string> appPath = LocateGameFiles(line);
        if (!appPath) {
            return 1;
        }
        if (rq::UsesSavedGame(line)) {
            // An opened game holds its seed; a saved run's seed is chosen as for any run.
            const std::uint64_t seed = line.OpenFile ? 0 : (replay ? replay->Seed : ChooseSeed(line));
            return rq::RunHeadlessSaved(line, seed, *appPath, replay ? &*replay : nullptr, std::cout, std::cerr);
        }
        const std::uint64_t seed = replay ? replay->Seed : ChooseSeed(line);
        if (line.Autoplay) {
            return rq::RunAutoplayCommand(line, seed, *appPath, std::cout, std::cerr);
        }
        return rq::RunHeadlessCommand(line, seed, *appPath, replay ? &*replay : nullptr, std::cout, std::cerr);
    }

    rq::PrepareHighDpi();
    QApplication::setApplicationName("railquest");
    QApplication::setApplicationDisplayName("Railquest");
    const std::unique_ptr<QApplication> app = StartWindowSystem(argc, argv);
    const std::optional<std::string> appPath = LocateGameFiles(line);
    if (!appPath) {
        return 1;  // before any window opens
    }
    std::string saved;
    if (line.OpenFile) {
        // Read once and refused before any window opens; the game it holds replaces the new one at the
        // splash's click.
        std::string message;
        if (!rq::ReadGameFile(*line.OpenFile, saved, message)) {
            std::cerr << "railquest: " << message << '\n';
            return 2;
        }
        if (const int status = rq::CheckSavedGameText(*line.OpenFile, saved, *appPath, message); status != 0) {
            std::cerr << "railquest: " << message << '\n';
            return status;
        }
    }
    QApplication::setWindowIcon(GameIcon());
    rq::GameApp game;
    if (line.OpenFile) {
        game.OpenAtStart(*line.OpenFile, std::move(saved));
    }
    // An opened game holds its seed: the new game under the splash needs none of its own.
    const std::uint64_t seed = replay ? replay->Seed : (line.OpenFile ? 0 : ChooseSeed(line));
    if (line.RecordFile && !game.RecordTo(*line.RecordFile, seed)) {
        std::cerr << "railquest: cannot write the recording " << *line.RecordFile << '\n';
        return 1;
    }
    if (replay) {
        game.Replay(std::move(*replay), QFileInfo(QString::fromStdString(*line.ReplayFile)).fileName().toStdString());
    } else if (line.Autoplay) {
        game.Demo(seed, line.AutoplayDays.value_or(rq::kAutoplayDays));
    }
    if (!game.Main(seed, *appPath)) {
        return 1;  // the loader that failed has shown its message; the settings are saved
    }
    const int status = QApplication::exec();
    if (!game.RecordingWritten()) {
        std::cerr << "railquest: cannot write the recording " << *line.RecordFile
                  << " (a full disk or a size limit?)\n";
        return 1;
    }
    return status;
}
