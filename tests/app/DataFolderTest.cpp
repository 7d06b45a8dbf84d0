// Finding the game's files: beside the program, in ../share/railquest, or where --datadir says.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "app/DataFolder.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

// A fake install: root/bin for the program, root/share/railquest and root/elsewhere for files.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        root_ = fs::path(temp_.path().toStdString());
        for (const char* dir : {"bin", "share/railquest", "elsewhere"}) fs::create_directories(root_ / dir);
    }
    std::string Dir(const char* name) const { return (root_ / name).string(); }
    void PutFiles(const char* dir) const { std::ofstream(root_ / dir / kDataMarkerFile) << "29\n"; }
    DataFolderSearch Find(std::optional<std::string> dataDir = std::nullopt) const {
        return FindDataFolder(QString::fromStdString(Dir("bin")), dataDir);
    }

    QTemporaryDir temp_;
    fs::path root_;
};

TEST_F(DataFolderTest, AnInstallKeepsThemInShareRailquestAndTheProgramsOwnFolderComesFirst) {
    PutFiles("share/railquest");
    const DataFolderSearch s = Find();
    EXPECT_EQ(s.Folder, Dir("share/railquest") + "/");
    EXPECT_EQ(s.Tried, (std::vector<std::string>{Dir("bin"), Dir("share/railquest")}));
    PutFiles("bin");
    EXPECT_EQ(Find().Folder, Dir("bin") + "/");
}

TEST_F(DataFolderTest, NoFilesNamesEveryFolderTriedOnOneLineAndDataDirIsTheOnlyOneWhenGiven) {
    fs::create_directories(root_ / "bin" / kDataMarkerFile);  // a folder of that name is not the file
    const DataFolderSearch s = Find();
    EXPECT_FALSE(s.Folder.has_value());
    const std::string text = DataFolderMissingText(s);
    EXPECT_EQ(text, "cannot find the game's files (railquest.dat) in " + Dir("bin") + " or " + Dir("share/railquest") +
                        "; name their folder with --datadir DIR");
    // --datadir names the only folder tried.
    PutFiles("bin");
    PutFiles("elsewhere");
    EXPECT_EQ(Find(Dir("elsewhere")).Folder, Dir("elsewhere") + "/");
    EXPECT_EQ(Find(Dir("elsewhere") + "/../elsewhere/").Folder, Dir("elsewhere") + "/");
    const DataFolderSearch missing = Find(Dir("nowhere"));
    EXPECT_FALSE(missing.Folder.has_value());
    EXPECT_EQ(DataFolderMissingText(missing), "cannot find the game's files (railquest.dat) in " + Dir("nowhere"));
}

}  // namespace
}  // namespace rq
