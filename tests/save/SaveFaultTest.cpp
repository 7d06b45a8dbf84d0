// Bad saved games are refused with a message that names the file and the fault, and the running game
// goes on unchanged; a save that cannot be written leaves the old file as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
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
        // One folder a test and a process: ctest runs the tests side by side, other builds too.
        folder_ = testing::TempDir() + "savefaults-" + testing::UnitTest::GetInstance()->current_test_info()->name() +
                  "-" + std::to_string(::getpid()) + "/";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    void TearDown() override { fs::remove_all(folder_); }

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
        // Each number's lower bound, 0 included, and what only the game's own play reaches.
        {"world.dayNum is 0, not 1..1000000", [](Json& j) { j["world"]["dayNum"] = 0; }},
        {"world.cities[0].trainDest[0] is 0, not 1..200", [](Json& j) { j["world"]["cities"][0]["trainDest"][0] = 0; }},
        {"loop.journey.nextStep is 0, not 1..181", [](Json& j) { j["loop"]["journey"]["nextStep"] = 0; }},
        {"panels.history.listIndex is 0, not -1..-1",
         [](Json& j) {
             j["panels"]["history"]["entries"] = Json::array();
             j["panels"]["history"]["listIndex"] = 0;
         }},
        {"street.meetings[0][0] is 0, not 1..134",
         [](Json& j) {
             j["street"]["meetings"] = {{0, 5}};
         }},
        {"street.sprites[0].lastFrame is 2, not 3..",
         [](Json& j) {
             j["street"]["sprites"][0]["firstFrame"] = 3;
             j["street"]["sprites"][0]["lastFrame"] = 2;
         }},
        {"world.gameTime is 259200, a whole day: the clock turns to 0 at midnight",
         [](Json& j) { j["world"]["gameTime"] = 259200; }},
        {"the journey has no destination", [](Json& j) { j["inTransit"] = true; }},
        {"the journey has ended in no city",
         [](Json& j) {
             j["inTransit"] = true;
             j["world"]["curCity"] = 0;
             j["world"]["transitDest"] = 9;
             j["loop"]["journey"] = {
                 {"nextStep", 181}, {"begun", true}, {"tickPending", true}, {"arrived", true}, {"lastWaitMs", 0}};
         }},
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

// What no save holds is refused before a tree is built: a hostile file crashed the reader (nesting) or
// took hours (members), and the parser let a key twice or a NUL at the end by.
TEST_F(SaveFaults, AFileThatIsNoJsonOrNoFileOrBeyondTheFormatsBoundsIsRefused) {
    const std::string text = good_.dump();
    std::string members = "{\"format\":\"railquest-save\"";
    for (int i = 0; i < 100'000; ++i) {
        members += ",\"m" + std::to_string(i) + "\":0";
    }
    const std::string nested = std::string(100'000, '[') + std::string(100'000, ']');
    fs::create_symlink("loop.rqsave", folder_ + "loop.rqsave");
    ASSERT_EQ(::mkfifo((folder_ + "fifo.rqsave").c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* fault;
    } files[] = {
        {folder_ + "missing.rqsave", "it cannot be read (No such file or directory)"},
        {folder_, "it cannot be read (it is a folder)"},
        {folder_ + "fifo.rqsave", "it cannot be read (it is a pipe, not a regular file)"},
        {folder_ + "loop.rqsave", "it cannot be read (it is a loop of symbolic links)"},
        {Write("empty.rqsave", ""), "it is empty"},
        {Write("cut.rqsave", text.substr(0, text.size() / 2)), "it is not JSON, or it is cut short"},
        {Write("words.rqsave", "Dear diary"), "it is not JSON, or it is cut short"},
        {Write("nested.rqsave", "{\"format\":\"railquest-save\",\"version\":" + nested + "}"),
         "it is nested more than 16 levels deep"},
        {Write("members.rqsave", members + "}"), "an object has more than 64 members"},
        {Write("twice.rqsave", "{\"version\":2," + text.substr(1)),
         "it has the member \"version\" twice in one object"},
        {Write("nul.rqsave", text + std::string(1, '\0')), "it holds a NUL byte, which no text file does"},
    };
    for (const auto& f : files) {
        EXPECT_EQ(Refusal(f.path), f.path + " is not a Railquest saved game: " + f.fault);
    }
    // A name is kept byte for byte, and said in one line.
    const std::string odd = Write("odd\xff\nname.rqsave", text);
    std::string message;
    SaveExtras extras;
    EXPECT_TRUE(OpenSavedGame(game_, odd, extras, message)) << message;
    EXPECT_EQ(Refusal(Write("bad\xff\nname.rqsave", "x")),
              folder_ + "bad\\xFF\\x0Aname.rqsave is not a Railquest saved game: it is not JSON, or it is cut short");
}

// A save is written to a file of its own made beside the target and renamed over it: no other file is
// followed or overwritten, a failed write leaves the old save, and a target no save may replace is refused.
TEST_F(SaveFaults, ASaveReplacesOnlyItsTargetAndAFailedOneLeavesTheOldSaveAsItWas) {
    const std::string path = Write("kept.rqsave", "the old save");
    const std::string victim = Write("victim.txt", "the player's own file");
    fs::create_symlink(victim, path + ".part");  // a name an earlier writer used
    fs::create_directory(folder_ + "other.rqsave.part");
    const std::string recording = Write("played.rqr", "railquest-replay 1\nseed 3\n");
    ASSERT_EQ(::mkfifo((folder_ + "fifo.rqsave").c_str(), 0600), 0);
    std::string message;
    const auto refused = [&](const std::string& target) {
        EXPECT_FALSE(SaveGameFile(target, game_.session().game(), ExtrasOf(game_), message)) << target;
        return message;
    };
    EXPECT_EQ(refused(folder_), "cannot save the game to " + folder_ + ": it is a folder");
    EXPECT_EQ(refused(folder_ + "fifo.rqsave"),
              "cannot save the game to " + folder_ + "fifo.rqsave: it is a pipe, not a regular file");
    EXPECT_EQ(refused(recording),
              "cannot save the game to " + recording + ": it holds a recording, which a saved game does not replace");
    EXPECT_EQ(refused(folder_ + "no/such.rqsave"),
              "cannot save the game to " + folder_ + "no/such.rqsave: the folder " + folder_ + "no does not exist");
    // A write cut short by a file-size limit.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_EQ(refused(path).rfind("cannot save the game to " + path + ": File too large", 0), 0u) << message;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &before), 0);
    const auto contents = [](const std::string& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(contents(path), "the old save");

    EXPECT_TRUE(SaveGameFile(path, game_.session().game(), ExtrasOf(game_), message)) << message;
    EXPECT_TRUE(SaveGameFile(folder_ + "other.rqsave", game_.session().game(), ExtrasOf(game_), message)) << message;
    EXPECT_EQ(contents(victim), "the player's own file");
    EXPECT_TRUE(fs::is_symlink(path + ".part"));
    EXPECT_TRUE(fs::is_directory(folder_ + "other.rqsave.part"));
    EXPECT_EQ(contents(recording), "railquest-replay 1\nseed 3\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 7) << "a temporary file is left";
    SaveExtras extras;
    EXPECT_TRUE(OpenSavedGame(game_, path, extras, message)) << message;
}

}  // namespace
}  // namespace rq
