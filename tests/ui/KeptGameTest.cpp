// The kept game within reach: the title picture's Continue line with C and a click, and the Game
// menu's Open Recent kept in the settings file beside the control mode.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "app/GameApp.h"
#include "game/StateHash.h"
#include "headless/HeadlessGame.h"
#include "save/HeadlessSave.h"
#include "save/SaveFolder.h"
#include "save/SavedGameFile.h"
#include "shell/Settings.h"
#include "ui/RecentGames.h"
#include "ui/SplashWindow.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

class KeptGame : public ::testing::Test {
protected:
    void SetUp() override {
        test::App();
        QStandardPaths::setTestModeEnabled(true);
        dir = fs::path(testing::TempDir()) /
              (std::string("kept-") + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.string()));
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    // A game of seed 5, 300 steps in, kept where a quit keeps it; its state hash.
    std::uint32_t KeepAGame() {
        HeadlessGame played;
        std::string error;
        EXPECT_TRUE(played.Start(5, test::AssetsDir(), error)) << error;
        for (int i = 0; i < 300; ++i) {
            played.Step({});
        }
        fs::create_directories(fs::path(AutosavePath()).parent_path());
        EXPECT_TRUE(SaveGameFile(AutosavePath(), played.game(), ExtrasOf(played), error)) << error;
        return StateHash(played.game());
    }
    // The title picture once ready, its Continue line and the game it starts.
    QWidget* Ready(GameApp& app) {
        EXPECT_TRUE(app.Main(7, test::AssetsDir()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return app.game().shell.Stage == StartupStage::Ready; }, 5000));
        QWidget* splash = test::TopLevel(QStringLiteral("frmSplash"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return test::Find<QLabel>(*splash, "lblWait")->isVisible(); }, 2000));
        return splash;
    }

    fs::path dir;
};

TEST_F(KeptGame, TheTitleOffersTheKeptGameWhichCPlaysOnWhileAClickOrAnotherKeyStartsANewGame) {
    const std::uint32_t kept = KeepAGame();
    {
        GameApp app;
        QWidget* splash = Ready(app);
        auto* line = test::Find<QLabel>(*splash, "lblContinue");
        EXPECT_TRUE(line->isVisible());
        EXPECT_EQ(line->text(), QStringLiteral("Press C to continue your last game"));
        QTest::keyClick(splash, Qt::Key_C);
        EXPECT_EQ(StateHash(app.game()), kept) << "C plays on from the kept game";
    }
    for (const bool click : {true, false}) {
        GameApp app;
        QWidget* splash = Ready(app);
        click ? QTest::mouseClick(splash, Qt::LeftButton) : QTest::keyClick(splash, Qt::Key_Space);
        EXPECT_NE(StateHash(app.game()), kept) << "a new game, as without a kept one";
        EXPECT_EQ(app.game().shell.Steps, 0);
    }
    fs::remove(AutosavePath());
    GameApp app;
    QWidget* splash = Ready(app);
    EXPECT_FALSE(test::Find<QLabel>(*splash, "lblContinue")->isVisible()) << "no kept game, no line";
}

TEST_F(KeptGame, OpenRecentListsTheLastFiveNewestFirstWithoutMissingFilesAndKeepsTheSettingsFile) {
    test::UiGame ui{21};
    const std::string ini = (dir / "railquest.ini").string();
    std::ofstream(ini) << "; mine\n[Railquest]\nJoyStick=Y\n";
    fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
    ui.window->SetSettingsPath(ini);
    std::vector<std::string> opened;
    ui.window->onOpen = [&](const std::string& path) { opened.push_back(path); };
    for (int i = 1; i <= 7; ++i) {
        const std::string file = (dir / ("g" + std::to_string(i) + ".rqsave")).string();
        std::ofstream(file) << "{}";
        ui.window->NoteRecentGame(file);
    }
    ui.window->NoteRecentGame((dir / "g5.rqsave").string());  // again: to the top, once
    fs::remove(dir / "g6.rqsave");
    auto* recent = test::Find<QMenu>(*ui.window, "mnuRecent");
    emit recent->aboutToShow();
    const std::vector<std::string> expected{"g5", "g7", "g4", "g3"};  // g6 is gone, g2 fell off
    for (std::size_t i = 0; i < expected.size(); ++i) {
        auto* entry = test::Find<QAction>(*ui.window, QStringLiteral("mnuRecent%1").arg(i + 1));
        EXPECT_TRUE(entry->text().endsWith(QString::fromStdString(expected[i] + ".rqsave"))) << i;
    }
    EXPECT_EQ(ui.window->findChild<QAction*>(QStringLiteral("mnuRecent5")), nullptr);
    test::Find<QAction>(*ui.window, "mnuRecent2")->trigger();
    EXPECT_EQ(opened, std::vector<std::string>{(dir / "g7.rqsave").string()});

    test::Find<QAction>(*ui.window, "mnuRecentClear")->trigger();
    EXPECT_TRUE(RecentGames(ini).empty());
    EXPECT_TRUE(ReadJoystickSetting(ini)) << "the control mode is kept";
    std::ifstream in(ini);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "; mine");
    EXPECT_EQ(fs::status(ini).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace rq
