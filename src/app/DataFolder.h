// Where the game's files are: the folder --datadir names, else beside the executable, else ../share/railquest.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace rq {

// A folder holds the game's files when it has this one, which every run needs.
inline constexpr const char* kDataMarkerFile = "railquest.dat";

struct DataFolderSearch {
    std::optional<std::string> Folder;  // ends in '/'; empty when no folder tried has the files
    std::vector<std::string> Tried;     // every folder looked at, in order
};

// A folder named with --datadir is the only one tried: a wrong name is reported, not worked around.
DataFolderSearch FindDataFolder(const QString& programFolder, const std::optional<std::string>& dataDir);

// The one-line error when no folder had the files.
std::string DataFolderMissingText(const DataFolderSearch& search);

}  // namespace rq
