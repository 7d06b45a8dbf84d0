// Saved games in the window: Save and Open through the Game menu's own entries, a refused file, and
// the game a confirmed quit keeps for --continue.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "app/GameApp.h"
#include "game/StateHash.h"
#include "headless/HeadlessGame.h"
#include "replay/Recording.h"
#include "save/HeadlessSave.h"
#include "save/SaveFolder.h"
#include "ui/MainWindow.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

// A game started as the player starts it, past the splash, with the player's data folder in a
// folder of the test's own; the file dialogs answer with `chosen`, message boxes with `messages`.
class SavedGameWindow : public ::testing::Test {
protected:
    void SetUp() override {
        test::App();
        QStandardPaths::setTestModeEnabled(true);
        dir = fs::path(testing::TempDir()) /
              (std::string("window-saves-") + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.string()));
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    void Start() {
        ASSERT_TRUE(app.Main(7, test::AssetsDir()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
        QTest::mouseClick(test::TopLevel(QStringLiteral("frmSplash")), Qt::LeftButton);
        window = dynamic_cast<MainWindow*>(test::TopLevel(QStringLiteral("frmMain")));
        ASSERT_NE(window, nullptr);
        window->SetMessagePort(&messages);
        window->chooseFile = [this](SaveDialog, const std::string& folder) {
            folders.push_back(folder);
            return chosen;
        };
    }
    // Lets the game run until `steps` more steps have run.
    void RunFor(std::int64_t steps) {
        const std::int64_t until = app.game().shell.Steps + steps;
        ASSERT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Steps >= until; }, 10000)) << "the game runs";
    }
    void Menu(const char* name) { test::Find<QAction>(*window, name)->trigger(); }
    QString Note() { return test::Find<QLabel>(*window, "lblNote")->text(); }

    fs::path dir;
    GameApp app;
    MainWindow* window = nullptr;
    test::ScriptedMessages messages;
    std::string chosen;
    std::vector<std::string> folders;
};

// Saved, played on, opened again: the game is the one saved, to its state check and step. Open ends
// the recording being made, complete, and says so.
TEST_F(SavedGameWindow, SaveThenOpenThroughTheMenuPlaysOnFromTheSavedGameAndEndsTheRecording) {
    const std::string recording = (dir / "played.rqr").string();
    ASSERT_TRUE(app.RecordTo(recording, 7));
    Start();
    RunFor(40);
    chosen = (dir / "one.rqsave").string();
    Menu("mnuSave");
    const std::uint32_t saved = StateHash(app.game());
    const std::int64_t steps = app.game().shell.Steps;
    EXPECT_EQ(Note(), QStringLiteral("Saved to one.rqsave"));
    EXPECT_EQ(folders, std::vector<std::string>{(dir / "railquest").string()}) << "the dialog's folder";
    RunFor(40);
    ASSERT_NE(StateHash(app.game()), saved) << "the game went on";

    Menu("mnuOpen");
    EXPECT_EQ(StateHash(app.game()), saved);
    EXPECT_EQ(app.game().shell.Steps, steps);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(Note(), QStringLiteral("The recording played.rqr ends here: an opened game is not recorded"));
    const RecordingParse played = ReadRecordingFile(recording);
    ASSERT_TRUE(played.Result) << played.Error;
    EXPECT_EQ(played.Result->Entries.back().Kind, RecordEntry::Type::End);
    RunFor(10);  // and the opened game plays on
}

// Another format, a file nested deep enough to crash a reader, a pipe that no one writes to (which
// would block the window): each is refused in a message box, and the game plays on.
TEST_F(SavedGameWindow, ARefusedOpenNamesTheFileAndItsFaultAndTheGameGoesOnUnchanged) {
    Start();
    RunFor(20);
    std::ofstream(dir / "other.rqsave") << "{\"format\": \"railquest-replay\"}";
    std::ofstream(dir / "deep.rqsave") << std::string(100'000, '[') + std::string(100'000, ']');
    ASSERT_EQ(::mkfifo((dir / "fifo.rqsave").c_str(), 0600), 0);
    const std::pair<const char*, const char*> files[] = {
        {"other.rqsave", "it is not of the format \"railquest-save\""},
        {"deep.rqsave", "it is nested more than 16 levels deep"},
        {"fifo.rqsave", "it cannot be read (it is a pipe, not a regular file)"}};
    for (const auto& [name, fault] : files) {
        chosen = (dir / name).string();
        messages.Shown.clear();
        const std::uint32_t before = StateHash(app.game());
        const std::int64_t steps = app.game().shell.Steps;
        Menu("mnuOpen");
        EXPECT_EQ(messages.Shown, std::vector<std::string>{chosen + " is not a Railquest saved game: " + fault});
        EXPECT_EQ(StateHash(app.game()), before);
        EXPECT_EQ(app.game().shell.Steps, steps);
        RunFor(10);
    }
}

// Yes to the quit question keeps the game in the data folder, made for it; it opens as the game quit.
TEST_F(SavedGameWindow, AConfirmedQuitKeepsTheGameThatContinueOpens) {
    Start();
    RunFor(30);
    const std::uint32_t quit = StateHash(app.game());
    messages.Answers = {true};
    EXPECT_TRUE(window->close());
    ASSERT_EQ(AutosavePath(), (dir / "railquest" / "autosave.rqsave").string());
    HeadlessGame kept;
    std::string error;
    ASSERT_TRUE(kept.Start(1, test::AssetsDir(), error)) << error;
    SaveExtras extras;
    ASSERT_TRUE(OpenSavedGame(kept, AutosavePath(), extras, error)) << error;
    EXPECT_EQ(StateHash(kept.game()), quit);
}

// A data folder that cannot be made (a file of the player's has its name): the quit says the game is
// not kept, and the file is left as it was.
TEST_F(SavedGameWindow, AQuitThatCannotKeepTheGameSaysSoAndLeavesThePlayersFileAlone) {
    const fs::path blocker = dir / "railquest";
    std::ofstream(blocker) << "the player's own file\n";
    Start();
    RunFor(10);
    messages.Answers = {true};
    EXPECT_TRUE(window->close());
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].rfind("The game could not be kept: ", 0), 0u) << messages.Shown[0];
    std::ifstream in(blocker);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "the player's own file");
}

}  // namespace
}  // namespace rq
