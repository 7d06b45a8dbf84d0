// The game's own start-up (GameApp::Main) with the real files, as the player starts it.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "UiTestSupport.h"
#include "app/GameApp.h"
#include "app/TickLog.h"
#include "autoplay/Autoplayer.h"
#include "game/StateHash.h"
#include "headless/HeadlessGame.h"
#include "headless/RestlessPlayer.h"
#include "replay/Replay.h"
#include "shell/Settings.h"
#include "ui/MainWindow.h"

namespace rq {
namespace {

// The window plays at most 64 steps a real second, fewer in a sanitizer build on a busy machine: a game
// of a few thousand steps is waited for generously (the wait ends as soon as the game gets there).
constexpr int kLongPlayMs = 240'000;

TEST(GameAppTest, TheFirstScreenShowsThePlayersTenCrystalsAndTheNextTrainsTimes) {
    test::App();
    QStandardPaths::setTestModeEnabled(true);  // the settings stay out of the player's folder
    GameApp app;
    ASSERT_TRUE(app.Main(7, test::AssetsDir()));
    QWidget* frmMain = test::TopLevel(QStringLiteral("frmMain"));
    ASSERT_NE(frmMain, nullptr);
    EXPECT_EQ(test::Find<QLabel>(*frmMain, "lblCrystals")->text(), QStringLiteral("10"));
    // Midnight of day 1 lies in slot 1's window: the first row is slot 2's train, two minutes on.
    EXPECT_EQ(test::Find<QLabel>(*frmMain, "lblTrainTime2")->text(), QStringLiteral("12:02:00 AM"));
}

// A replay plays by keyboard for the recording's sake: quitting it leaves a saved joystick mode as it was.
TEST(GameAppTest, QuittingAReplayLeavesTheSavedControlModeAsItWas) {
    test::App();
    QStandardPaths::setTestModeEnabled(true);
    GameApp app;
    std::filesystem::create_directories(std::filesystem::path(app.SettingsPath()).parent_path());
    std::ofstream(app.SettingsPath()) << "[Railquest]\nJoyStick=Y\n";
    Recording recording;
    recording.Entries.push_back({});  // "0 end"
    app.Replay(recording);
    ASSERT_TRUE(app.Main(7, test::AssetsDir()));
    auto* frmMain = dynamic_cast<MainWindow*>(test::TopLevel(QStringLiteral("frmMain")));
    ASSERT_NE(frmMain, nullptr);
    test::ScriptedMessages messages;
    messages.Answers = {true};
    frmMain->SetMessagePort(&messages);
    EXPECT_TRUE(frmMain->close());
    EXPECT_EQ(messages.Asked.size(), 1u) << "the quit was asked and answered";
    EXPECT_TRUE(ReadJoystickSetting(app.SettingsPath()));
    std::filesystem::remove(app.SettingsPath());
}

// Plays the recording's input until `steps` have run.
class UpTo : public InputSource {
public:
    UpTo(const Recording& r, std::int64_t steps) : input_(r), steps_(steps) {}
    StepInput Next(std::int64_t step, const Game& game) override {
        StepInput in = input_.Next(step, game);
        in.End = step > steps_;
        return in;
    }

private:
    RecordingInput input_;
    std::int64_t steps_;
};

// The window's game, as far as the recording at `path` has been flushed, played again without a window
// up to the window's step: the same summary and the figure in the same place.
void ExpectTheSameGameWithoutAWindow(const std::string& path, const Game& window) {
    const std::int64_t steps = window.shell.Steps;
    std::ifstream in(path);  // flushed at least once a second, so complete but for its end
    const RecordingParse rec = ParseRecording(in);
    ASSERT_TRUE(rec.Result) << rec.Error;
    HeadlessGame headless;
    std::string error;
    ASSERT_TRUE(headless.Start(rec.Result->Seed, test::AssetsDir(), error)) << error;
    UpTo input(*rec.Result, steps);
    EXPECT_EQ(RunSteps(headless, input, steps, nullptr), steps);
    EXPECT_EQ(SummaryLine(headless.game(), steps), SummaryLine(window, steps));
    EXPECT_EQ(headless.game().sprites[kPlayerSlot].X, window.sprites[kPlayerSlot].X);
}

TEST(GameAppTest, AGameRecordedInTheWindowIsTheSameGameReplayedWithoutOne) {
    test::App();
    QStandardPaths::setTestModeEnabled(true);
    const std::string path = (std::filesystem::path(testing::TempDir()) / "window.rqr").string();
    GameApp app;
    ASSERT_TRUE(app.RecordTo(path, 7));
    ASSERT_TRUE(app.Main(7, test::AssetsDir()));
    QWidget* splash = test::TopLevel(QStringLiteral("frmSplash"));
    ASSERT_NE(splash, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
    QTest::mouseClick(splash, Qt::LeftButton);
    QWidget* frmMain = test::TopLevel(QStringLiteral("frmMain"));
    ASSERT_NE(frmMain, nullptr);
    frmMain->activateWindow();
    const int startX = app.game().sprites[kPlayerSlot].X;
    // Down the street and along it, with the keys of the real window.
    for (const auto& [key, ms] : {std::pair{Qt::Key_Down, 600}, {Qt::Key_Right, 700}, {Qt::Key_Left, 300}}) {
        QTest::keyPress(frmMain, key);
        QTest::qWait(ms);
        QTest::keyRelease(frmMain, key);
    }
    QTest::qWait(1200);  // the recording is flushed at least once a second
    ASSERT_GT(app.game().shell.Steps, 50) << "the window's game ran";
    EXPECT_NE(app.game().sprites[kPlayerSlot].X, startX) << "the player walked";
    ExpectTheSameGameWithoutAWindow(path, app.game());
}

// A recording made without a window by a player that plays by itself.
struct HeadlessRecording {
    const char* name;
    std::uint64_t seed;
    std::int64_t steps;
    bool autoplayer;  // else the restless player
};

class WindowReplayTest : public ::testing::TestWithParam<HeadlessRecording> {};

// The recording holds the input while it plays: the live player's keys and the Game menu's shortcuts
// are set aside, the game is the recorded one at the end, and then the live player takes over. The
// recordings are made without a window: the autoplayer's (seed 11) chooses its train in the ticket office
// at step 2144; the restless player's (seed 6) clicks the map at step 234, chooses a train at 591 and
// travels on it.
TEST_P(WindowReplayTest, SetsTheLivePlayersInputAsideAndEndsInTheRecordedGame) {
    const HeadlessRecording& made = GetParam();
    test::App();
    QStandardPaths::setTestModeEnabled(true);
    const std::string name = std::string(made.name) + ".rqr";
    const std::string path = (std::filesystem::path(testing::TempDir()) / name).string();
    HeadlessGame headless;
    std::string error;
    ASSERT_TRUE(headless.Start(made.seed, test::AssetsDir(), error)) << error;
    RecordingWriter writer;
    ASSERT_TRUE(writer.Open(path, made.seed));
    Autoplayer autoplayer(made.seed);
    RestlessPlayer restless(made.seed);
    InputSource& player = made.autoplayer ? static_cast<InputSource&>(autoplayer) : restless;
    std::ostringstream out;
    ASSERT_EQ(RunHeadless(headless, player, made.steps, std::nullopt, out, out, &writer), 0) << out.str();
    const std::int64_t steps = headless.game().shell.Steps;
    const RecordingParse rec = ReadRecordingFile(path);
    ASSERT_TRUE(rec.Result) << rec.Error;

    GameApp app;
    app.Replay(*rec.Result, name);
    ASSERT_TRUE(app.Main(rec.Result->Seed, test::AssetsDir()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
    QTest::mouseClick(test::TopLevel(QStringLiteral("frmSplash")), Qt::LeftButton);
    QWidget* frmMain = test::TopLevel(QStringLiteral("frmMain"));
    ASSERT_NE(frmMain, nullptr);
    frmMain->activateWindow();
    EXPECT_EQ(frmMain->windowTitle(), QStringLiteral("Railquest - replaying %1").arg(QString::fromStdString(name)));
    // Open and Save are set aside with the Game menu while the recording holds the game.
    QAction* open = test::Find<QAction>(*frmMain, "mnuOpen");
    EXPECT_FALSE(open->isEnabled());
    EXPECT_FALSE(test::Find<QAction>(*frmMain, "mnuSave")->isEnabled());
    emit test::Find<QMenu>(*frmMain, "mnuHelp")->aboutToShow();
    EXPECT_FALSE(test::Find<QAction>(*frmMain, "mnuWatchDemo")->isEnabled()) << "no demo over a recording";
    for (const int key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Space}) {
        QTest::keyPress(frmMain, static_cast<Qt::Key>(key));
        QTest::qWait(400);
        QTest::keyRelease(frmMain, static_cast<Qt::Key>(key));
    }
    QTest::keyClick(frmMain, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Paused; }, kLongPlayMs))
        << "paused at the recording's end";
    EXPECT_EQ(app.game().shell.Steps, steps);
    EXPECT_EQ(StateHash(app.game()), StateHash(headless.game())) << "the same game";
    EXPECT_EQ(SummaryLine(app.game(), app.game().shell.Steps), SummaryLine(headless.game(), steps));
    EXPECT_EQ(app.game().sprites[kPlayerSlot].X, headless.game().sprites[kPlayerSlot].X);
    EXPECT_EQ(app.game().sprites[kPlayerSlot].Y, headless.game().sprites[kPlayerSlot].Y);
    EXPECT_EQ(frmMain->windowTitle(), QStringLiteral("Railquest")) << "the live player takes over";
    EXPECT_TRUE(open->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(ByAutoplayerAndRestlessPlayer, WindowReplayTest,
                         ::testing::Values(HeadlessRecording{"autoplayed", 11, 2200, true},
                                           HeadlessRecording{"restless", 6, 1500, false}),
                         [](const auto& made) { return std::string(made.param.name); });

// A whole recording played without a window: every state check passes and the game ends in the state of
// the recording's last check. Returns the steps run.
std::int64_t ExpectTheWholeRecordingReplaysWithoutAWindow(const std::string& path) {
    const RecordingParse rec = ReadRecordingFile(path);
    EXPECT_TRUE(rec.Result) << rec.Error;
    if (!rec.Result) return 0;
    const RecordEntry& end = rec.Result->Entries.back();
    const RecordEntry& lastCheck = rec.Result->Entries[rec.Result->Entries.size() - 2];
    EXPECT_EQ(end.Kind, RecordEntry::Type::End) << "the recording is complete";
    EXPECT_EQ(lastCheck.Kind, RecordEntry::Type::Check);
    HeadlessGame headless;
    std::string error;
    EXPECT_TRUE(headless.Start(rec.Result->Seed, test::AssetsDir(), error)) << error;
    RecordingInput recorded(*rec.Result);
    const std::int64_t steps = RunSteps(headless, recorded, 1'000'000, nullptr);
    EXPECT_FALSE(recorded.Drift()) << DriftMessage(path, recorded.Drift().value_or(ReplayDrift{}));
    EXPECT_EQ(steps, end.Step - 1);
    EXPECT_EQ(StateHash(headless.game()), lastCheck.Check) << "the same game at the end";
    return steps;
}

// The demo: the autoplayer plays in the window, the status bar says so, and buys its ticket in the
// office; a key then hands the game over at once, the player's keys move the figure, Q quits. The
// recording of it all (the autoplayer's click stamped with the step it was applied before) replays
// without a window as the same game, and the tick log goes on across the hand-over.
TEST(GameAppTest, ADemoHandedOverAfterItsTicketAndQuitReplaysWithoutAWindowAsTheSameGame) {
    test::App();
    QStandardPaths::setTestModeEnabled(true);
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "demo";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.string()));  // where the quit keeps the game
    qputenv(TickLog::kVariable, QByteArray::fromStdString((dir / "ticks").string()));
    const std::string path = (dir / "demo.rqr").string();
    std::int64_t handedOverAt = 0;
    {
        GameApp app;
        ASSERT_TRUE(app.RecordTo(path, 11));
        app.Demo(11, 30);  // seed 11: the autoplayer chooses its train in the ticket office at step 2144
        ASSERT_TRUE(app.Main(11, test::AssetsDir()));
        qunsetenv(TickLog::kVariable);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
        QTest::mouseClick(test::TopLevel(QStringLiteral("frmSplash")), Qt::LeftButton);
        auto* frmMain = dynamic_cast<MainWindow*>(test::TopLevel(QStringLiteral("frmMain")));
        ASSERT_NE(frmMain, nullptr);
        frmMain->activateWindow();
        const auto* demo = test::Find<QLabel>(*frmMain, "lblDemo");
        EXPECT_TRUE(demo->isVisible());
        EXPECT_EQ(demo->text(), QStringLiteral("Demo \u2014 press any key to play"));
        EXPECT_EQ(app.game().shell.Input, InputFrom::Autoplayer);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().scene.SelectedTrain != 0; }, kLongPlayMs))
            << "the autoplayer chose a train";
        QTest::qWait(100);

        QTest::keyPress(frmMain, Qt::Key_Down);
        handedOverAt = app.game().shell.Steps;
        EXPECT_EQ(app.game().shell.Input, InputFrom::Live) << "handed over at once";
        EXPECT_FALSE(demo->isVisible());
        EXPECT_EQ(app.game().scene.InputBits, kInputDown) << "only the player's key is held";
        QTest::qWait(400);
        QTest::keyRelease(frmMain, Qt::Key_Down);
        QTest::qWait(300);
        test::ScriptedMessages messages;
        messages.Answers = {true};
        frmMain->SetMessagePort(&messages);
        QTest::keyClick(frmMain, Qt::Key_Q);
        EXPECT_EQ(messages.Asked.size(), 1u) << "the quit was asked and answered";
        ASSERT_TRUE(app.RecordingWritten());
    }
    const std::int64_t steps = ExpectTheWholeRecordingReplaysWithoutAWindow(path);
    EXPECT_GT(steps, handedOverAt + 30) << "the player walked after the hand-over";
    const RecordingParse rec = ReadRecordingFile(path);
    ASSERT_TRUE(rec.Result);
    EXPECT_TRUE(std::any_of(rec.Result->Entries.begin(), rec.Result->Entries.end(), [&](const RecordEntry& e) {
        return e.Kind == RecordEntry::Type::Action && e.Action.Kind == PlayerActionKind::Ticket &&
               e.Step < handedOverAt;
    })) << "the autoplayer's ticket was recorded before the hand-over";
    std::ifstream ticks(dir / "ticks");
    const auto lines = std::count(std::istreambuf_iterator<char>(ticks), {}, '\n');
    EXPECT_GE(lines, steps) << "a line a step, before the hand-over and after it";
}

// Help → Watch the Autoplayer mid-game: the autoplayer plays on from where the player stands, a
// click hands the game back, and the recording of it all replays as the same game.
TEST(GameAppTest, TheDemoFromTheMenuTakesTheGameWhereItStandsAndAClickHandsItBack) {
    test::App();
    QStandardPaths::setTestModeEnabled(true);
    const std::string path = (std::filesystem::path(testing::TempDir()) / "menu-demo.rqr").string();
    GameApp app;
    ASSERT_TRUE(app.RecordTo(path, 18));
    ASSERT_TRUE(app.Main(18, test::AssetsDir()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
    QTest::mouseClick(test::TopLevel(QStringLiteral("frmSplash")), Qt::LeftButton);
    QWidget* frmMain = test::TopLevel(QStringLiteral("frmMain"));
    ASSERT_NE(frmMain, nullptr);
    frmMain->activateWindow();
    QTest::keyPress(frmMain, Qt::Key_Down);  // the player walks down the street first
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Steps > 80; }, 10000));
    QTest::keyRelease(frmMain, Qt::Key_Down);

    auto* watch = test::Find<QAction>(*frmMain, "mnuWatchDemo");
    emit test::Find<QMenu>(*frmMain, "mnuHelp")->aboutToShow();
    ASSERT_TRUE(watch->isEnabled());
    const std::int64_t from = app.game().shell.Steps;
    watch->trigger();
    EXPECT_EQ(app.game().shell.Input, InputFrom::Autoplayer);
    EXPECT_TRUE(test::Find<QLabel>(*frmMain, "lblDemo")->isVisible());
    emit test::Find<QMenu>(*frmMain, "mnuHelp")->aboutToShow();
    EXPECT_FALSE(watch->isEnabled()) << "the demo is already playing";
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Steps > from + 120; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.game().scene.InputBits != 0; }, 5000)) << "it holds keys";

    QTest::mouseClick(test::Find<QWidget>(*frmMain, "picGameView"), Qt::LeftButton);
    EXPECT_EQ(app.game().shell.Input, InputFrom::Live) << "handed back at once";
    EXPECT_EQ(app.game().scene.InputBits, 0);
    EXPECT_FALSE(test::Find<QLabel>(*frmMain, "lblDemo")->isVisible());
    QTest::qWait(1200);  // the recording is flushed at least once a second
    ExpectTheSameGameWithoutAWindow(path, app.game());
}

}  // namespace
}  // namespace rq
