// The main window's layout in twips at its edges: a 640-pixel screen, the ticket rows at sevenths,
// the OK buttons' corners, the information panel growing with the map and the zoom's scroll ranges.
#include <gtest/gtest.h>

#include "panels/WindowLayout.h"

namespace rq {
namespace {

WindowLayout Loaded(double screenPixels = 1024) {
    WindowLayout l;
    ComputeWindowLayout(l, ControlSizes{}, screenPixels * TPPX);
    return l;
}

TEST(FormLoadTest, AScreenOfAtMost640PixelsPushesTheWindowToTheLeftEdgeAndTheCountToTheRight) {
    for (const double pixels : {600.0, 640.0}) {
        EXPECT_EQ(Loaded(pixels).Window.Left, -45) << pixels;
        EXPECT_EQ(Loaded(pixels).Window.Top, 0) << pixels;
    }
    EXPECT_EQ(Loaded(641).Window.Left, 120);
    EXPECT_EQ(Loaded(641).Window.Top, 120);
    EXPECT_EQ(Loaded().StatusBar.Width, 9600) << "the window's inner width is 640 pixels";
    // The crystal count ends ten twips from the bar's right edge.
    ControlSizes sizes;
    sizes.CrystalsWidth = 300;
    WindowLayout l;
    ComputeWindowLayout(l, sizes, 15360);
    EXPECT_EQ(l.CrystalsLeft + 300 + 10, l.StatusBar.Width);
}

TEST(TicketLayoutTest, RowsSitAtSeventhsRoundedHalvesToEvenAndTheOkCornerIs240TwipsIn) {
    WindowLayout l = Loaded();
    ComputeTicketWindow(l, ControlSizes{}, 112, 96);
    // Laid out for the 640 × 377 pixels the view shows: its bottom is the shown picture's.
    EXPECT_EQ(l.Tickets.Bottom(), l.View.Bottom());
    EXPECT_EQ(l.Tickets.Width, 9600 - 112 * 15 - 60);
    // 3735 / 7 = 533.57…; 2 × that = 1067.14…
    EXPECT_EQ(l.Tickets.Height, 3735);
    EXPECT_EQ(l.RowTop[1], 534);
    EXPECT_EQ(l.RowTop[2], 1067);
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_NEAR(l.RowTop[i], l.Tickets.Height * static_cast<double>(i) / 7, 0.5) << i;
    }
    EXPECT_EQ(l.Tickets.Width - l.ExitTix.Right(), 240);
    EXPECT_EQ(l.Tickets.Height - l.ExitTix.Bottom(), 240);
}

TEST(InfoLayoutTest, ThePanelGrowsWithTheMapStaysRightAlignedKeepsTheOkCornerAndCentresTheZoom) {
    WindowLayout small = Loaded();
    ComputeInfoPanel(small, ControlSizes{}, 300, 200);
    for (const auto& [w, h] : {std::pair{470, 295}, std::pair{520, 330}}) {
        WindowLayout l = Loaded();
        ComputeInfoPanel(l, ControlSizes{}, w, h);
        EXPECT_EQ(l.Info.Width - small.Info.Width, (w - 300) * 15) << w;
        EXPECT_EQ(l.Info.Height - small.Info.Height, (h - 200) * 15) << h;
        EXPECT_EQ(l.Info.Right(), l.GameView.Width);
        EXPECT_EQ(l.Info.Width - l.ExitInfo.Right(), 120);
        EXPECT_EQ(l.Info.Height - l.ExitInfo.Bottom(), 120);
        EXPECT_EQ(l.InfoInfo.Bottom(), l.Usa.Bottom());
        // Centred between the legend's bottom and the OK button's top, then raised by 240.
        EXPECT_DOUBLE_EQ(l.TrainDests.Top + l.TrainDests.Height / 2 + 240, (l.Legend.Bottom() + l.ExitInfo.Top) / 2);
    }
    // The zoom's viewport is the middle seventy percent, with reversed scroll ranges.
    WindowLayout l = Loaded();
    ComputeInfoPanel(l, ControlSizes{}, 470, 295);
    EXPECT_DOUBLE_EQ(l.ZoomContain.Left, 480 + 0.15 * 7050);
    EXPECT_DOUBLE_EQ(l.ZoomContain.Height, 0.7 * 4425);
    EXPECT_EQ(l.HscMax, -(14100 - 4935));
    EXPECT_EQ(l.VscMax, -5752) << "-5752.5 rounds to the even -5752";
    EXPECT_EQ(l.Vsc.Left, l.ZoomContain.Right());
}

}  // namespace
}  // namespace rq
