// The state checks of a recording: a restless game recorded without a window replays through every
// check, and the same recording with one held-keys entry changed stops at the first check after it,
// naming that step and line, with exit status 3 from the command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "headless/CommandLine.h"
#include "headless/Commands.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "replay/Recording.h"
#include "replay/Replay.h"

namespace rq {
namespace {

std::string AssetDir() {
    const char* dir = std::getenv("RAILQUEST_ASSETS");
    return std::string(dir != nullptr ? dir : "assets") + "/";
}

// A restless player's 1500 steps of seed 5, as a recording.
Recording Recorded(const std::string& path) {
    RecordingWriter writer;
    EXPECT_TRUE(writer.Open(path, 5));
    RestlessPlayer player(5);
    std::ostringstream out, err;
    EXPECT_EQ(RunHeadless(5, AssetDir(), player, 1500, std::nullopt, out, err, &writer), 0) << err.str();
    return *ReadRecordingFile(path).Result;
}

int Replayed(const Recording& rec, std::string& err) {
    CommandLine line;
    line.ReplayFile = "walk.rqr";
    std::ostringstream out, errors;
    const int status = RunHeadlessCommand(line, rec.Seed, AssetDir(), &rec, out, errors);
    err = errors.str();
    return status;
}

TEST(ReplayCheckTest, AnUneditedRecordingPassesEveryCheckAndAnEditedOneStopsAtTheFirstAfterTheEdit) {
    const Recording rec = Recorded(testing::TempDir() + "/checked.rqr");
    std::size_t checks = 0;
    for (const RecordEntry& e : rec.Entries) checks += e.Kind == RecordEntry::Type::Check ? 1 : 0;
    EXPECT_GE(checks, 1500u / 64) << "a check every 64 steps";
    std::string err;
    EXPECT_EQ(Replayed(rec, err), 0) << err;

    // The first walk after step 300 goes up instead of down, or down instead of up.
    Recording edited = rec;
    std::size_t i = 0;
    while (!(edited.Entries[i].Kind == RecordEntry::Type::Keys && edited.Entries[i].Step > 300 &&
             edited.Entries[i].Keys != 0)) {
        ++i;
    }
    RecordEntry& keys = edited.Entries[i];
    keys.Keys = static_cast<std::uint16_t>(keys.Keys == 16 ? 1 : 16);
    std::size_t first = i;
    while (edited.Entries[first].Kind != RecordEntry::Type::Check) ++first;
    const RecordEntry& check = edited.Entries[first];
    EXPECT_EQ(Replayed(edited, err), 3);
    EXPECT_NE(err.find("walk.rqr: the game differs from the recording at step " + std::to_string(check.Step) +
                       " (line " + std::to_string(check.Line) + ")"),
              std::string::npos)
        << err;
}

}  // namespace
}  // namespace rq
