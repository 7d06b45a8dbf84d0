// The main window's layout in twips: the window's place, the panels' sizes from the map and the
// ticket office, the rows at sevenths, the corners of the OK buttons and the zoom viewport.
#include <gtest/gtest.h>

#include "base/Rounding.h"
#include "main/WindowLayout.h"

namespace rq {
namespace {

WindowLayout Loaded(double screenPixels = 1024) {
    WindowLayout l;
    ComputeFormLoad(l, ControlSizes{}, screenPixels * TPPX);
    return l;
}

TEST(FormLoadTest, AScreenOfExactly640PixelsPushesTheWindowToTheLeftEdge) {
    EXPECT_EQ(Loaded(640).Window.Left, -45);
    EXPECT_EQ(Loaded(640).Window.Top, 0);
    EXPECT_EQ(Loaded(600).Window.Left, -45);
    EXPECT_EQ(Loaded(641).Window.Left, 120);
    EXPECT_EQ(Loaded(641).Window.Top, 120);
}

TEST(FormLoadTest, TheWindowHoldsTheStatusBarAndTheGameView) {
    const WindowLayout l = Loaded();
    EXPECT_EQ(l.Window.Width, 640 * 15 + 90);
    EXPECT_EQ(l.Window.Height, 414 * 15 + 330);
    EXPECT_EQ(l.StatusBar.Height, 225);
    EXPECT_EQ(l.StatusBar.Width, 9600);  // the window's inner width: 640 pixels
    EXPECT_EQ(l.GameView.Top, l.StatusBar.Height);
    EXPECT_EQ(l.GameView.Width, 9610);
    EXPECT_EQ(l.GameView.Height, 5685);
    EXPECT_EQ(l.BackgroundWidth, 1281 * 15);
    EXPECT_EQ(l.BackgroundHeight, 1132 * 15);
}

TEST(FormLoadTest, TheBannerStripSpansTheWindowAtItsLabelsHeight) {
    ControlSizes sizes;
    sizes.BannerHeight = 255;
    WindowLayout l;
    ComputeFormLoad(l, sizes, 15360);
    EXPECT_EQ(l.TrainDest.Left, 0);
    EXPECT_EQ(l.TrainDest.Top, 2000);
    EXPECT_EQ(l.TrainDest.Width, l.Window.Width);
    EXPECT_EQ(l.TrainDest.Height, 255);
    EXPECT_EQ(l.Banner.Width, l.Window.Width);
}

TEST(FormLoadTest, TheCrystalCountEndsTenTwipsFromTheBarsRightEdge) {
    ControlSizes sizes;
    sizes.CrystalsWidth = 300;
    WindowLayout l;
    ComputeFormLoad(l, sizes, 15360);
    EXPECT_EQ(l.CrystalsLeft + 300 + 10, l.StatusBar.Width);
}

class TicketLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        l = Loaded();
        ComputeTicketWindow(l, sizes, 112, 96);
    }
    ControlSizes sizes;
    WindowLayout l;
};

TEST_F(TicketLayoutTest, TheWindowLeavesTheTicketOfficeFreeAndSitsOnTheViewsBottom) {
    EXPECT_EQ(l.Tickets.Left, 0);
    EXPECT_EQ(l.Tickets.Width, 9610 - 10 - 112 * 15 - 60);
    EXPECT_EQ(l.Tickets.Height, 5685 - 96 * 15 - 480);
    EXPECT_EQ(l.Tickets.Bottom(), l.GameView.Bottom());
}

TEST_F(TicketLayoutTest, RowsSitAtSeventhsRoundedHalvesToEven) {
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(l.RowTop[i], CInt(l.Tickets.Height / 7 * static_cast<double>(i))) << i;
        EXPECT_NEAR(l.RowTop[i], l.Tickets.Height * static_cast<double>(i) / 7, 0.5) << i;
    }
    // 3765 / 7 = 537.857…; 2 × that = 1075.71…
    EXPECT_EQ(l.Tickets.Height, 3765);
    EXPECT_EQ(l.RowTop[1], 538);
    EXPECT_EQ(l.RowTop[2], 1076);
}

TEST_F(TicketLayoutTest, ColumnsAtFixedShares) {
    const double w = l.Tickets.Width;
    EXPECT_DOUBLE_EQ(l.OptLeft, 0.05 * w);
    EXPECT_DOUBLE_EQ(l.TypeLeft, 0.10 * w);
    EXPECT_DOUBLE_EQ(l.DestLeft, 0.15 * w);
    EXPECT_DOUBLE_EQ(l.TimeLeft, 0.75 * w);
}

TEST_F(TicketLayoutTest, TheOkButtonsCornerIs240TwipsIn) {
    EXPECT_EQ(l.Tickets.Width - l.ExitTix.Right(), 240);
    EXPECT_EQ(l.Tickets.Height - l.ExitTix.Bottom(), 240);
    EXPECT_EQ(l.TixBorder.Width, l.Tickets.Width + 10);
    EXPECT_EQ(l.TixBorder.Height, l.Tickets.Height - 10);
}

class InfoLayoutTest : public ::testing::Test {
protected:
    void Lay(int mapW, int mapH) {
        l = Loaded();
        ComputeInfoPanel(l, sizes, mapW, mapH);
    }
    ControlSizes sizes;
    WindowLayout l;
};

TEST_F(InfoLayoutTest, ThePanelGrowsWithTheMapAndIsRightAligned) {
    for (const auto& [w, h] : {std::pair{470, 295}, std::pair{300, 200}, std::pair{520, 330}}) {
        Lay(w, h);
        EXPECT_EQ(l.Info.Width, w * 15 + 2280);
        EXPECT_EQ(l.Info.Height, h * 15 + 160);
        EXPECT_EQ(l.Info.Right(), l.GameView.Width);
        EXPECT_EQ(l.Info.Top, l.GameView.Top);
        EXPECT_EQ(l.Usa.Left, 480);
        EXPECT_EQ(l.Usa.Top, 80);
    }
}

TEST_F(InfoLayoutTest, ButtonsLegendAndDestinations) {
    Lay(470, 295);
    EXPECT_EQ(l.Info.Width - l.ExitInfo.Right(), 120);
    EXPECT_EQ(l.Info.Height - l.ExitInfo.Bottom(), 120);
    EXPECT_EQ(l.ExitInfo.Left - l.Zoom.Right(), 40);
    EXPECT_EQ(l.Zoom.Top, l.ExitInfo.Top);
    EXPECT_EQ(l.Back.Left, l.Zoom.Left);
    EXPECT_EQ(l.Zoom.Top - l.Back.Bottom(), 40);
    EXPECT_EQ(l.Forward.Left, l.ExitInfo.Left);
    EXPECT_EQ(l.Forward.Top, l.Back.Top);
    EXPECT_EQ(l.Legend.Top, l.Usa.Top);
    EXPECT_EQ(l.Info.Width - l.Legend.Right(), 120);
    EXPECT_EQ(l.Info.Width - l.TrainDests.Right(), 120);
    // Centred between the legend's bottom and the OK button's top, then raised by 240.
    const double mid = (l.Legend.Bottom() + l.ExitInfo.Top) / 2;
    EXPECT_DOUBLE_EQ(l.TrainDests.Top + l.TrainDests.Height / 2 + 240, mid);
    EXPECT_EQ(l.InfoInfo.Left, 120);
    EXPECT_EQ(l.InfoInfo.Bottom(), l.Usa.Bottom());
    EXPECT_EQ(l.InfoBorder.Width, l.Info.Width);
    EXPECT_EQ(l.InfoBorder.Height, l.Info.Height + 20);
}

TEST_F(InfoLayoutTest, TheZoomViewportIsTheMiddleSeventyPercentWithReversedScrollRanges) {
    Lay(470, 295);
    EXPECT_DOUBLE_EQ(l.ZoomContain.Left, 480 + 0.15 * 7050);
    EXPECT_DOUBLE_EQ(l.ZoomContain.Width, 0.7 * 7050);
    EXPECT_DOUBLE_EQ(l.ZoomContain.Top, 80 + 0.15 * 4425);
    EXPECT_DOUBLE_EQ(l.ZoomContain.Height, 0.7 * 4425);
    EXPECT_EQ(l.UsaZoom.Width, 2 * 7050);
    EXPECT_EQ(l.UsaZoom.Height, 2 * 4425);
    EXPECT_EQ(l.HscMax, -(14100 - 4935));
    EXPECT_EQ(l.VscMax, CInt(-(8850 - 3097.5)));  // −5752.5 rounds to the even −5752
    EXPECT_EQ(l.VscMax, -5752);
    EXPECT_EQ(l.Hsc.Top, l.ZoomContain.Bottom());
    EXPECT_EQ(l.Hsc.Width, l.ZoomContain.Width);
    EXPECT_EQ(l.Vsc.Left, l.ZoomContain.Right());
    EXPECT_EQ(l.Vsc.Height, l.ZoomContain.Height);
    EXPECT_DOUBLE_EQ(l.HscLargeChange, l.ZoomContain.Width);
    EXPECT_DOUBLE_EQ(l.VscLargeChange, l.ZoomContain.Height);
    EXPECT_EQ(l.SmallChange, 480);
}

}  // namespace
}  // namespace rq
