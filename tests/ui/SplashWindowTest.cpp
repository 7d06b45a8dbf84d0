// The splash window: its picture (a bad one reported), the ready handshake, and a click or any key
// to begin.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "support/BmpBytes.h"
#include "support/ScratchDir.h"
#include "ui/SplashWindow.h"

namespace rq {
namespace {

class SplashWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::App();
        shell.AppPath = test::AssetsDir();
        shell.Stage = StartupStage::FirstTick;
    }
    std::unique_ptr<SplashWindow> Make() {
        auto splash = std::make_unique<SplashWindow>(shell, messages);
        splash->onStart = [this] { ++starts; };
        return splash;
    }

    Shell shell;
    test::ScriptedMessages messages;
    int starts = 0;
};

TEST_F(SplashWindowTest, IsTheTitlePictureAtItsSizeAndOnceReadyAnyKeyOrClickBegins) {
    auto splash = Make();
    EXPECT_EQ(splash->size(), QSize(640, 480));
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(splash->lblWait->text(), "Click to Begin...");
    EXPECT_EQ(splash->picLblContain->y(), 414);
    EXPECT_EQ(splash->tmrCheckReady->interval(), 10);
    const QImage shot = splash->grab().toImage();
    EXPECT_NE(shot.pixel(320, 100), shot.pixel(20, 470)) << "the picture is drawn";
    // Before the game is ready a click or a key does nothing; once it is, the ready timer stops itself,
    // the prompt shows and any key or click begins.
    splash->show();
    splash->EnableReadyTimer();
    QTest::qWait(30);
    EXPECT_TRUE(splash->picLblContain->isHidden());
    QTest::mouseClick(splash.get(), Qt::LeftButton);
    QTest::keyClick(splash.get(), Qt::Key_Space);
    EXPECT_EQ(starts, 0);
    EXPECT_TRUE(splash->tmrCheckReady->isActive());
    shell.Stage = StartupStage::Ready;
    QTest::qWait(40);
    EXPECT_FALSE(splash->picLblContain->isHidden());
    EXPECT_FALSE(splash->tmrCheckReady->isActive());
    QTest::keyClick(splash.get(), Qt::Key_Escape);
    EXPECT_EQ(starts, 1);
    QTest::mouseClick(splash.get(), Qt::LeftButton);
    EXPECT_EQ(starts, 2);
}

TEST_F(SplashWindowTest, AMissingOrCutShortPictureIsReportedAndTheGameCanStillStart) {
    const test::ScratchDir scratch("railquest-splash");
    const std::filesystem::path& dir = scratch.path();
    shell.AppPath = dir.string() + "/";
    shell.Stage = StartupStage::Ready;
    const std::vector<std::uint8_t> b = test::FileBytes(test::AssetsDir() + "splash.bmp");
    for (const char* why : {"File not found", "(the file ends before its picture does)"}) {
        messages.Shown.clear();
        auto splash = Make();
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0].rfind("The following error occurred in frmSplsh_load():\n", 0), 0u);
        EXPECT_NE(messages.Shown[0].find(why), std::string::npos) << messages.Shown[0];
        QTest::mouseClick(splash.get(), Qt::LeftButton);
        std::ofstream(dir / "splash.bmp", std::ios::binary).write(reinterpret_cast<const char*>(b.data()), 60000);
    }
    EXPECT_EQ(starts, 2);
}

}  // namespace
}  // namespace rq
