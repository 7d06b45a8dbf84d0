// The railquest executable: reads the command line, finds the game's files, runs a world command or starts the game.
#include <QApplication>
#include <QIcon>
#include <iostream>
#include <optional>
#include <string>

#include "app/AppCommandLine.h"
#include "app/DataFolder.h"
#include "app/GameApp.h"
#include "base/Random.h"
#include "main/Commands.h"

namespace {

// The game's files, or the one-line error naming the folders tried. Needs the application object.
std::optional<std::string> LocateGameFiles(const rq::CommandLine& line) {
    const rq::DataFolderSearch search = rq::FindDataFolder(QCoreApplication::applicationDirPath(), line.DataDir);
    if (!search.Folder) {
        std::cerr << "railquest: " << rq::DataFolderMissingText(search) << '\n';
    }
    return search.Folder;
}

std::uint64_t ChooseSeed(const rq::CommandLine& line) {
    if (line.Seed) {
        return *line.Seed;
    }
    const std::uint64_t seed = rq::SeedFromClock();
    std::cerr << "railquest: seed " << seed << '\n';
    return seed;
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
    const rq::ParseResult parsed = rq::ParseAppCommandLine(rq::ArgumentsAfterProgram(argc, argv));
    if (!parsed.Error.empty()) {
        std::cerr << "railquest: " << parsed.Error << '\n';
        return 2;
    }
    const rq::CommandLine& line = parsed.Line;
    if (line.Help) {
        std::cout << rq::UsageText();
        return 0;
    }
    if (line.Version) {
        std::cout << rq::VersionText();
        return 0;
    }
    if (rq::IsWorldCommand(line)) {
        const QCoreApplication app(argc, argv);  // no window: only to know the program's folder
        if (!LocateGameFiles(line)) {
            return 1;
        }
        return rq::RunWorldCommand(line, ChooseSeed(line), std::cout, std::cerr);
    }

    rq::PrepareHighDpi();
    QApplication::setApplicationName("railquest");
    QApplication::setApplicationDisplayName("Railquest");
    QApplication app(argc, argv);
    const std::optional<std::string> appPath = LocateGameFiles(line);
    if (!appPath) {
        return 1;  // before any window opens
    }
    QApplication::setWindowIcon(GameIcon());
    rq::GameApp game;
    if (!game.Main(ChooseSeed(line), *appPath)) {
        return 1;  // the loader that failed has shown its message; the settings are saved
    }
    return QApplication::exec();
}
