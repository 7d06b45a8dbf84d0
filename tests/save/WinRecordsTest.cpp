// The record of games: two won games, one of them the autoplayer's, counted apart, kept and read
// back; a damaged records file set aside, not lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SaveTestSupport.h"
#include "replay/Replay.h"
#include "save/SavedGame.h"
#include "save/WinRecords.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

// The golden won game replayed to its win, tallied step by step; with `helpedAt`, the autoplayer
// holds the input at that step.
GameTally PlayTheWonGame(HeadlessGame& game, std::int64_t helpedAt = -1) {
    std::ifstream in(std::string(RAILQUEST_SOURCE_DIR) + "/tests/replays/autoplay-win.rqr");
    const RecordingParse rec = ParseRecording(in);
    EXPECT_TRUE(rec.Result) << rec.Error;
    std::string error;
    EXPECT_TRUE(game.Start(rec.Result->Seed, AssetDir(), error)) << error;
    RecordingInput input(*rec.Result);
    GameTally tally = TallyOf(game.game(), true);
    for (;;) {
        const std::int64_t step = game.game().shell.Steps + 1;
        const StepInput next = input.Next(step, game.game());
        if (next.End) {
            ADD_FAILURE() << "the recording ended without a win";
            break;
        }
        game.Step(next);
        // As if the autoplayer had held the input for this step.
        game.session().game().shell.Input = step == helpedAt ? InputFrom::Autoplayer : InputFrom::Live;
        if (NoteStep(tally, game.game())) {
            break;
        }
    }
    return tally;
}

TEST(WinRecordsTest, TwoWonGamesOneTheAutoplayersAreCountedApartAndKept) {
    WinRecords records;
    HeadlessGame mine;
    AddStart(records);
    const GameTally tally = PlayTheWonGame(mine);
    EXPECT_GT(tally.Journeys, 0);
    EXPECT_FALSE(tally.Helped);
    EXPECT_TRUE(AddWin(records, tally, mine.game(), "2026-12-08")) << "the first win is the fastest yet";
    const World& w = mine.game().world;
    const std::int64_t seconds = (w.DayNum - 1) * 86400 + static_cast<std::int64_t>(w.GameTime / 3);
    const WinEntry win{"2026-12-08", seconds, tally.Journeys};

    HeadlessGame helped;
    AddStart(records);
    const GameTally helpedTally = PlayTheWonGame(helped, 100);
    EXPECT_TRUE(helpedTally.Helped);
    EXPECT_FALSE(AddWin(records, helpedTally, helped.game(), "2026-12-09"));

    EXPECT_EQ(records.Started, 2);
    EXPECT_EQ(records.Won, 1);
    EXPECT_EQ(records.AutoplayerWon, 1);
    EXPECT_EQ(records.Fastest, win);
    EXPECT_EQ(records.FewestJourneys, win);
    EXPECT_EQ(records.LastWins, std::vector<WinEntry>{win});
    EXPECT_EQ(records.AutoplayerFastest->Date, "2026-12-09");
    EXPECT_EQ(GameTimeText(seconds), "18:40:22") << "the win at 6:40:22 PM of day 1";
    EXPECT_EQ(GameTimeText(2 * 86400 + 65), "2 days 0:01:05");

    const fs::path dir = fs::path(testing::TempDir()) / "records-kept";
    fs::remove_all(dir);
    const std::string path = (dir / "records.json").string();
    std::string error;
    ASSERT_TRUE(SaveRecords(path, records, error)) << error;
    WinRecords read;
    std::string message;
    ASSERT_TRUE(LoadRecords(path, read, message));
    EXPECT_EQ(read, records);
    EXPECT_TRUE(message.empty());
}

// A game kept at quit (or saved) and opened again goes on with its tally: its journeys, the
// autoplayer's help, its start counted once. One opened from a file that kept none (made without a
// window) counts its start at its win, and its journeys are not known.
TEST(WinRecordsTest, AGameOpenedAgainGoesOnWithTheTallyItsSavedGameKept) {
    HeadlessGame won;
    GameTally before = PlayTheWonGame(won, 100);
    ASSERT_TRUE(before.Helped);
    SaveExtras kept;
    kept.Tally = TallyJson(before, won.game());
    Game opened = won.game();
    SaveExtras read;
    std::string fault;
    ASSERT_TRUE(ReadSavedGame(SavedGameText(won.game(), kept), opened, read, fault)) << fault;
    const GameTally after = OpenedTally(opened, read.Tally);
    EXPECT_EQ(after.Journeys, before.Journeys);
    EXPECT_TRUE(after.JourneysKnown);
    EXPECT_TRUE(after.Helped) << "a game the autoplayer helped stays the autoplayer's";
    EXPECT_TRUE(after.StartCounted);

    WinRecords records;
    const GameTally unknown = OpenedTally(opened, Json());
    EXPECT_FALSE(unknown.Helped);
    AddWin(records, unknown, opened, "2026-12-10");
    EXPECT_EQ(records.Started, 1) << "a won game was started";
    EXPECT_EQ(records.Won, 1);
    EXPECT_EQ(records.LastWins.at(0).Journeys, -1);
    EXPECT_FALSE(records.FewestJourneys);
}

// Good records but for a key given twice, which no records of ours hold.
std::string DuplicateKey() {
    std::string text = RecordsJson(WinRecords{});
    const std::string won = "\"won\": 0";
    return text.replace(text.find(won), won.size(), won + ", \"won\": 9");
}

TEST(WinRecordsTest, ADamagedFileIsSetAsideWithAMessageAndNeverWrittenOver) {
    const fs::path dir = fs::path(testing::TempDir()) / "records-damaged";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "records.json").string();
    for (const std::string& damaged :
         {std::string("{\"format\": \"railquest-records\", \"version\": 1, \"started\": -3"),
          std::string("{\"format\": \"railquest-records\", \"version\": 7}"), DuplicateKey()}) {
        std::ofstream(path) << damaged;
        WinRecords records;
        records.Won = 5;
        std::string message;
        ASSERT_TRUE(LoadRecords(path, records, message));
        EXPECT_EQ(records, WinRecords{}) << "new records start";
        EXPECT_NE(message.find("set aside"), std::string::npos) << message;
        EXPECT_FALSE(fs::exists(path));
    }
    // Both damaged files are kept, the second beside the first.
    std::ifstream first(dir / "records.damaged.json");
    std::ifstream second(dir / "records.damaged-2.json");
    std::stringstream a;
    std::stringstream b;
    a << first.rdbuf();
    b << second.rdbuf();
    EXPECT_NE(a.str().find("-3"), std::string::npos);
    EXPECT_NE(b.str().find("7}"), std::string::npos);
}

}  // namespace
}  // namespace rq
