// Bad saved games are refused with a message that names the file and the fault, and the running game
// goes on unchanged; a save that cannot be written leaves the old file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "save/AtomicFile.h"
#include "save/SaveTestSupport.h"
#include "save/SavedGameFile.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

class SaveFaults : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(game_.Start(9, AssetDir(), error)) << error;
        RestlessPlayer player(9);
        RunSteps(game_, player, 600, nullptr);
        good_ = Json::parse(SaveText(game_));
        // One folder a test: ctest runs the tests side by side.
        folder_ =
            testing::TempDir() + "savefaults-" + testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder_ + name, std::ios::binary) << text;
        return folder_ + name;
    }

    // Opens the file into the running game: the message, and the game must be as it was.
    std::string Refusal(const std::string& path) {
        const std::string before = SaveText(game_);
        SaveExtras extras;
        std::string message;
        EXPECT_FALSE(OpenSavedGame(game_, path, extras, message)) << path;
        EXPECT_TRUE(SaveText(game_) == before) << "a refused file changed the game";
        return message;
    }

    HeadlessGame game_;
    Json good_;
    std::string folder_;
};

TEST_F(SaveFaults, EachBadFileIsRefusedWithItsFault) {
    const auto city = good_["world"]["curCity"].get<std::size_t>();
    const std::size_t other = city == 1 ? 2 : 1;
    struct Edit {
        const char* fault;
        std::function<void(Json&)> change;
    };
    const Edit edits[] = {
        {"it is not of the format \"railquest-save\"",
         [](Json& j) {
             j = Json::array({1, 2});
         }},
        {"it is not of the format \"railquest-save\"", [](Json& j) { j["format"] = "railquest-replay"; }},
        {"it is of version 2, and this game reads version 1", [](Json& j) { j["version"] = 2; }},
        {"world.curCity is 201, not 0..200", [](Json& j) { j["world"]["curCity"] = 201; }},
        {"world.citizenCrystals[3001] is 101, not -1..100", [](Json& j) { j["world"]["citizenCrystals"][3001] = 101; }},
        {"street.sprites[0].slot is 135, not 1..134", [](Json& j) { j["street"]["sprites"][0]["slot"] = 135; }},
        {"world.lostRiders is -1, not 0..3000", [](Json& j) { j["world"]["lostRiders"] = -1; }},
        {"street.view[0] is 2, not 0..1", [](Json& j) { j["street"]["view"][0] = 2; }},
        {"world.cities[0].riders[0][0][0] is 3002, not 1..3001",
         [](Json& j) { j["world"]["cities"][0]["riders"][0][0] = Json::array({3002}); }},
        {"seed is missing", [](Json& j) { j.erase("seed"); }},
        {"random is not the state of the game's random generator", [](Json& j) { j["random"] = "1 2 3"; }},
        {"world.gameTime is \"noon\", not a number", [](Json& j) { j["world"]["gameTime"] = "noon"; }},
        {" is in 2 places",
         [&](Json& j) {
             Json& list = j["world"]["cities"][other - 1]["citizens"];
             list.push_back(j["world"]["cities"][city - 1]["citizens"][0]);
         }},
        {"actor slot", [&](Json& j) { j["world"]["cities"][city - 1]["citizens"].erase(0u); }},
        {"the street's walls are not those of city", [](Json& j) { j["street"]["sceneRects"].erase(0u); }},
        {"citizens placed", [](Json& j) { j["world"]["lostRiders"] = 5; }},
    };
    for (const Edit& e : edits) {
        Json bad = good_;
        e.change(bad);
        const std::string path = Write("bad.rqsave", bad.dump());
        const std::string message = Refusal(path);
        EXPECT_EQ(message.rfind(path + " is not a Railquest saved game: ", 0), 0u) << message;
        EXPECT_NE(message.find(e.fault), std::string::npos) << "wanted: " << e.fault << "\n got: " << message;
    }
}

TEST_F(SaveFaults, AFileThatIsMissingEmptyCutShortOrNoJsonIsRefused) {
    const std::string text = good_.dump();
    const struct {
        std::string path;
        const char* fault;
    } files[] = {
        {folder_ + "missing.rqsave", "it cannot be read (No such file or directory)"},
        {folder_, "it cannot be read (it is a folder)"},
        {Write("empty.rqsave", ""), "it is empty"},
        {Write("cut.rqsave", text.substr(0, text.size() / 2)), "it is not JSON, or it is cut short"},
        {Write("words.rqsave", "Dear diary"), "it is not JSON, or it is cut short"},
    };
    for (const auto& f : files) {
        EXPECT_EQ(Refusal(f.path), f.path + " is not a Railquest saved game: " + f.fault);
    }
}

TEST_F(SaveFaults, AWriteThatFailsLeavesTheOldSaveAsItWas) {
    const std::string path = Write("kept.rqsave", "the old save");
    fs::create_directory(path + ".part");  // the temporary file cannot be made
    std::string message;
    EXPECT_FALSE(SaveGameFile(path, game_.session().game(), ExtrasOf(game_), message));
    EXPECT_EQ(message.rfind("cannot save the game to " + path + ": ", 0), 0u) << message;
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old save");

    EXPECT_FALSE(SaveGameFile(folder_, game_.session().game(), ExtrasOf(game_), message));
    EXPECT_EQ(message, "cannot save the game to " + folder_ + ": it is a folder");
    EXPECT_FALSE(SaveGameFile(folder_ + "no/such/folder.rqsave", game_.session().game(), ExtrasOf(game_), message));
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;

    fs::remove(path + ".part");
    EXPECT_TRUE(SaveGameFile(path, game_.session().game(), ExtrasOf(game_), message)) << message;
    EXPECT_FALSE(fs::exists(path + ".part"));
    SaveExtras extras;
    EXPECT_TRUE(OpenSavedGame(game_, path, extras, message)) << message;
}

}  // namespace
}  // namespace rq
