// The About window (title, version, links, system information) and the help window behind F1.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "UiTestSupport.h"
#include "ui/AboutDialog.h"
#include "ui/Controls.h"
#include "ui/HelpWindow.h"

namespace rq {
namespace {

TEST(AboutTest, TheWindowNamesTheGameItsVersionTheMakerAndThePublicDataAndOpensTheLinks) {
    test::App();
    test::ScriptedMessages messages;
    AboutDialog about(messages, nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Railquest"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Railquest"));
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version 1.11.0"));
    EXPECT_EQ(about.lblEMail->text(), QStringLiteral("railquest@example.org"));
    EXPECT_TRUE(about.lblWebSite->text().contains(QStringLiteral("example.org")));
    EXPECT_TRUE(about.lblCredits->text().contains(QStringLiteral("GeoNames")));
    EXPECT_TRUE(about.lblCredits->text().contains(QStringLiteral("CC BY 4.0")));
    EXPECT_TRUE(about.lblCredits->text().contains(QStringLiteral("Census Bureau")));
    EXPECT_TRUE(about.lblCredits->text().contains(QStringLiteral("us-atlas")));
    EXPECT_FALSE(about.picIcon->pixmap().isNull());
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("System Info..."));
    // The links open mail and the web site.
    std::vector<QUrl> opened;
    about.OpenUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return false;  // no handler: nothing is shown
    };
    QTest::mouseClick(about.lblEMail, Qt::LeftButton);
    QTest::mouseClick(about.lblWebSite, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:railquest@example.org")));
    EXPECT_EQ(opened[1], QUrl(QString::fromLatin1(kMakerWebSite)));
    EXPECT_TRUE(messages.Shown.empty());
}

TEST(AboutTest, SystemInfoStartsTheFoundProgramOrSaysItIsUnavailable) {
    test::App();
    test::ScriptedMessages messages;
    AboutDialog about(messages, nullptr);
    std::vector<std::string> started;
    about.StartProgram = [&](const std::string& p) {
        started.push_back(p);
        return true;
    };
    // The rule itself is StartSysInfo's (SysInfoTest); the button hands it the dialog's store and starter.
    about.Keys = SystemKeyStore("/usr/bin", [](const std::string& f) { return f == "/usr/bin/hardinfo"; });
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(started, std::vector<std::string>({"/usr/bin/hardinfo"}));
    about.Keys = MemoryKeyStore{};
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(messages.Shown, std::vector<std::string>({"System Information Is Unavailable At This Time"}));
}

TEST(AboutTest, TheMainWindowWaitsWhileAboutIsOpenAndOkReturnsToIt) {
    test::UiGame ui;
    ASSERT_TRUE(ui.Loaded);
    MainWindow& w = *ui.window;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    bool sawAbout = false;
    bool activeMeanwhile = true;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        if (about == nullptr) {
            return;
        }
        sawAbout = about->objectName() == QStringLiteral("frmAbout");
        activeMeanwhile = w.CurrentWindowState().Active;
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    });
    test::Find<QAction>(w, "mnuAbout")->trigger();  // returns when the About window closes
    EXPECT_TRUE(sawAbout);
    EXPECT_FALSE(activeMeanwhile);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(HelpTest, F1ShowsTheHelpPageInTheGamesOwnWindow) {
    test::UiGame ui;
    ASSERT_TRUE(ui.Loaded);
    test::Find<QAction>(*ui.window, "mnuContents")->trigger();
    EXPECT_TRUE(test::Find<HelpWindow>(*ui.window, "frmHelp")->isVisible());
    const QString text = test::Find<QTextBrowser>(*ui.window, "txtHelp")->toPlainText();
    for (const char* word : {"fuzzbomb", "crystal", "Ctrl+T", "Space", "100", "ticket"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(word), Qt::CaseInsensitive)) << word;
    }
    test::Find<HelpWindow>(*ui.window, "frmHelp")->close();
}

TEST(HelpTest, AMissingHelpFileShowsNothing) {
    test::UiGame ui;
    ASSERT_TRUE(ui.Loaded);
    ui.game->shell.AppPath = "/nonexistent-folder/";
    test::Find<QAction>(*ui.window, "mnuContents")->trigger();
    EXPECT_FALSE(test::Find<HelpWindow>(*ui.window, "frmHelp")->isVisible());
    EXPECT_TRUE(ui.messages.Shown.empty());
}

}  // namespace
}  // namespace rq
