// Pictures of the main window with its panels open, written to the build folder to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>

#include "UiTestSupport.h"
#include "main/Panels.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"

namespace rq {
namespace {

QString ShotPath(const char* name) {
    return QDir(QStringLiteral(RAILQUEST_UI_SHOTS)).filePath(QString::fromLatin1(name));
}

// Saves a picture of the window and checks it shows more than one flat colour.
void Save(MainWindow& window, const char* name) {
    window.show();
    QApplication::processEvents();
    const QImage shot = window.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(ShotPath(name)));
    EXPECT_EQ(shot.size(), window.size() * shot.devicePixelRatio());
}

TEST(ScreenshotTest, InformationPanelTicketWindowAndTheJourney) {
    test::UiGame ui(21);  // Denver, a capital
    ASSERT_TRUE(ui.Loaded);
    MainWindow& w = *ui.window;
    ui.ShowStreet();
    w.ShowTime("10:03:20 AM");
    w.UpdateCrystalDisplay();
    Save(w, "window_street.png");

    w.OpenMapFromCapitol();
    ASSERT_TRUE(w.IsInfoPanelVisible());
    Save(w, "window_info.png");

    w.cmdZoom_Click();
    ASSERT_TRUE(ui.game->panels.Map.Zoomed);
    Save(w, "window_info_zoomed.png");
    w.cmdZoom_Click();
    w.HideInfoPanel();

    w.FillTrainSchedule(21);
    rq::optTrain_Click(*ui.game, 3);
    w.RefreshTicketWindow();
    w.ShowTicketWindow();
    Save(w, "window_tickets.png");
    w.HideTicketWindow();

    w.SetBannerText("********** DEPARTING FOR: SEATTLE, WASHINGTON **********");
    w.SetBannerVisible(true);
    Save(w, "window_banner.png");
    w.SetBannerVisible(false);

    w.ShowCityName("Denver, Colorado -> Chicago, Illinois");
    w.ShowTransit("Denver, Colorado -> Chicago, Illinois", "10:04 AM", "Day 1");
    Save(w, "window_transit.png");
}

TEST(ScreenshotTest, AboutAndHelpWindows) {
    test::UiGame ui(21);
    ASSERT_TRUE(ui.Loaded);
    AboutDialog about(ui.messages, ui.window.get());
    about.show();
    QApplication::processEvents();
    const QImage aboutShot = about.grab().toImage();
    EXPECT_TRUE(aboutShot.save(ShotPath("about.png")));
    EXPECT_GT(aboutShot.width(), 300);

    ui.window->mnuContents->trigger();
    ASSERT_TRUE(ui.window->frmHelp->isVisible());
    QApplication::processEvents();
    EXPECT_TRUE(ui.window->frmHelp->grab().toImage().save(ShotPath("help.png")));
}

}  // namespace
}  // namespace rq
