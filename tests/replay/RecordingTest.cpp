// Recorded games: the file's entries read back as written, faults named with their line, and a game
// recorded through the loop played again to the same world.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "headless/WorldJson.h"
#include "panels/Panels.h"
#include "replay/Recording.h"
#include "replay/Replay.h"
#include "shell/GameLoop.h"
#include "shell/NewGame.h"
#include "shell/PlayerInput.h"
#include "shell/Session.h"
#include "support/LoopGame.h"

namespace rq {
namespace {

RecordingParse Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseRecording(in);
}

TEST(RecordingFileTest, EveryEntryReadsBackAsWritten) {
    const std::string entries =
        "1 keys 260\n1 menu new\n1 answer yes\n2 menu skip\n2 menu pause\n3 menu sound\n3 menu joystick\n"
        "3 menu keyboard\n4 menu new\n4 answer no\n5 ticket 5\n5 ok tickets\n6 ok info\n7 map 120 -3\n8 zoom\n8 back\n"
        "8 forward\n9 dest 1\n9 legend 0\n10 end\n";
    const RecordingParse p = Parse("# made by hand\nrailquest-replay 1\n\nseed 18446744073709551615\n" + entries);
    ASSERT_TRUE(p.Result) << p.Error;
    EXPECT_EQ(p.Result->Seed, 18446744073709551615u);
    std::string back;
    for (const RecordEntry& e : p.Result->Entries) back += FormatEntry(e) + "\n";
    EXPECT_EQ(back, entries);
}

TEST(RecordingFileTest, AFaultIsNamedWithItsLine) {
    const std::string head = "railquest-replay 1\nseed 7\n";
    const struct {
        std::string text, error;
    } cases[] = {
        {"", "line 1: empty file"},
        {"P6\n", "line 1: not a Railquest recording"},
        {"railquest-replay 2\n", "line 1: not a Railquest recording"},
        {"railquest-replay 1\n", "line 2: the seed is missing"},
        {"railquest-replay 1\nseed -1\n", "line 2: expected \"seed N\""},
        {head + "3 jump\n", "line 3: unknown entry \"jump\""},
        {head + "5 keys 1\n4 keys 0\n", "line 4: step 4 goes back before step 5"},
        {head + "1 ticket 6\n", "line 3: ticket value out of range: \"6\""},
        {head + "1 ticket 0\n", "line 3: ticket value out of range: \"0\""},
        {head + "1 keys 512\n", "line 3: keys value out of range: \"512\""},
        {head + "1 menu exit\n", "line 3: unknown menu \"exit\""},
        {head + "1 map 3\n", "line 3: wrong number of values for \"map\""},
        {head + "x keys 1\n", "line 3: expected a step number"},
        {head + "9223372036854775807 end\n", "line 3: step out of range: \"9223372036854775807\""},
        {head + "1000000001 end\n", "line 3: step out of range"},
        {head + "18446744073709551616 end\n", "line 3: step out of range"},
        {head + "-1 keys 0\n", "line 3: step out of range: \"-1\""},
        {head + "1 keys 1\nseed 8\n", "line 4: a second seed"},
        {head + "1 answer yes\n", "line 3: an answer with no question before it"},
        {head + "1 menu new\n1 keys 1\n1 answer no\n", "line 5: an answer with no question before it"},
        {head + "1 end\n2 keys 1\n", "line 4: an entry after \"end\""},
        // A line of any length is quoted short, with the bytes a terminal would act on escaped.
        {head + "1 \x1b[2J" + std::string(5000, 'x') + "\n",
         "line 3: line too long (over 4096 bytes): \"1 \\x1B[2Jxxx"},
        {head + "1 \x1b[2J\n", "line 3: unknown entry \"\\x1B[2J\""},
        {head + "1 map 1 " + std::string(4000, '9') + "\n",
         "line 3: map value out of range: \"" + std::string(60, '9') + "...\"\n"},
        {head + std::string(5000, '\0'), "line 3: line too long"},
    };
    for (const auto& c : cases) {
        const RecordingParse p = Parse(c.text);
        EXPECT_FALSE(p.Result) << c.text;
        EXPECT_EQ((p.Error + "\n").rfind(c.error, 0), 0u) << c.text << " gave: " << p.Error;
    }
}

// A pipe that never ends (blank lines for ever) is refused once the bound is passed, not read on.
TEST(RecordingFileTest, AnEndlessStreamIsRefusedAtTheBound) {
    struct Endless : std::streambuf {
        std::string head = "railquest-replay 1\nseed 1\n";
        std::string lines = std::string(4096, '\n');
        std::uint64_t given = 0;
        int_type underflow() override {
            std::string& next = given == 0 ? head : lines;
            given += next.size();
            setg(next.data(), next.data(), next.data() + next.size());
            return traits_type::to_int_type(next[0]);
        }
    } endless;
    std::istream in(&endless);
    const RecordingParse p = ParseRecording(in);
    EXPECT_FALSE(p.Result);
    EXPECT_NE(p.Error.find("too large to be a recording"), std::string::npos) << p.Error;
    EXPECT_LE(endless.given, kMaxRecordingBytes + endless.lines.size());
}

// A loop test's game that can say where everything stands.
struct LoopGame : test::LoopGame {
    std::string State() const {
        std::ostringstream out;
        WriteWorldJson(game->world, 0, out);
        for (const Sprite& s : game->sprites.gSprites) out << s.X << ',' << s.Y << ',' << s.Shown << ';';
        return out.str();
    }
};

TEST(RecordingLoopTest, AGameRecordedThroughTheSessionReplaysToTheSameWorld) {
    const std::string path = (std::filesystem::path(testing::TempDir()) / "walk.rqr").string();
    LoopGame played;
    Session playing(*played.game, played.fe);
    playing.Loop().SetEnabled(true, 0);
    RecordingWriter writer;
    ASSERT_TRUE(writer.Open(path, 7));
    playing.RecordTo(&writer);
    // Down, right, a crystal dropped while walking, the sound switched off, a new game.
    const std::uint16_t keys[] = {kInputDown, kInputRight, kInputRight | kInputAction, 0, kInputLeft, kInputUp};
    for (int i = 0; i < 600; ++i) {
        playing.LiveAction({PlayerActionKind::Keys, keys[(i / 40) % 6]});
        if (i == 250) {
            playing.LiveAction({PlayerActionKind::MenuSound});
        }
        if (i == 400) {
            played.fe.answerYes = true;
            playing.LiveAction({PlayerActionKind::MenuNew});
        }
        playing.Loop().LoopTick(i * 200);  // time enough for a journey's waits
    }
    ASSERT_TRUE(playing.FinishRecording());

    std::ifstream in(path);
    const RecordingParse rec = ParseRecording(in);
    ASSERT_TRUE(rec.Result) << rec.Error;
    EXPECT_EQ(rec.Result->Seed, 7u);
    LoopGame replayed;
    Session replaying(*replayed.game, replayed.fe);
    replaying.Loop().SetEnabled(true, 0);
    replaying.PlayRecording(*rec.Result, "walk.rqr");
    for (std::int64_t ms = 0; replaying.From() == InputFrom::Recording && ms < 10'000'000; ms += 200) {
        replaying.Loop().LoopTick(ms);
    }
    EXPECT_TRUE(replayed.game->shell.Paused) << "the recording's end pauses for the player";
    EXPECT_FALSE(replaying.Drift());
    EXPECT_EQ(replayed.game->shell.Steps, played.game->shell.Steps);
    EXPECT_GT(played.game->shell.Steps, 600) << "a journey's steps count too";
    EXPECT_FALSE(replayed.game->effects.SoundOn);
    EXPECT_NE(played.State(), LoopGame().State()) << "the recorded game went somewhere";
    EXPECT_EQ(replayed.State(), played.State());
}

}  // namespace
}  // namespace rq
