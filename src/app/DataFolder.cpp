// Finding the game's files: the build tree keeps them beside the executable, an install in ../share/railquest.
#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace rq {

DataFolderSearch FindDataFolder(const QString& programFolder, const std::optional<std::string>& dataDir) {
    QStringList candidates;
    if (dataDir) {
        candidates << QString::fromStdString(*dataDir);
    } else {
        candidates << programFolder << QDir(programFolder).filePath("../share/railquest");
    }
    DataFolderSearch search;
    for (const QString& candidate : candidates) {
        const QString folder = QDir::cleanPath(QDir(candidate).absolutePath());
        search.Tried.push_back(folder.toStdString());
        if (QFileInfo(QDir(folder).filePath(kDataMarkerFile)).isFile()) {
            search.Folder = folder.endsWith('/') ? folder.toStdString() : folder.toStdString() + "/";
            break;
        }
    }
    return search;
}

std::string DataFolderMissingText(const DataFolderSearch& search) {
    std::string folders;
    for (std::size_t i = 0; i < search.Tried.size(); ++i) {
        folders += (i == 0 ? "" : i + 1 == search.Tried.size() ? " or " : ", ") + search.Tried[i];
    }
    std::string text = std::string("cannot find the game's files (") + kDataMarkerFile + ") in " + folders;
    return search.Tried.size() > 1 ? text + "; name their folder with --datadir DIR" : text;
}

}  // namespace rq
