// The main window's layout rules in twips. The layout is computed once; nothing re-runs it later.
#include "panels/WindowLayout.h"

#include "base/Rounding.h"

namespace rq {

void ComputeWindowLayout(WindowLayout& l, const ControlSizes& sizes, double screenWidthTwips) {
    // The scene's background block, one pixel larger than the 1280 × 1131 scene each way.
    l.BackgroundWidth = 1281.0 * TPPX;
    l.BackgroundHeight = 1132.0 * TPPY;

    l.Window.Width = 640.0 * TPPX + 90;
    l.Window.Height = 414.0 * TPPY + 330;
    // A screen of 640 pixels or fewer gets the window pushed left so that its frame falls off the edge.
    if (screenWidthTwips / TPPX > 640) {
        l.Window.Left = 120;
        l.Window.Top = 120;
    } else {
        l.Window.Left = -45;
        l.Window.Top = 0;
    }

    // The status bar runs along the top of the window's inner area.
    l.StatusBar = {0, 0, l.Window.Width - kFrameWidthTwips, 15.0 * TPPY};
    // The game view's Width and Height include its border.
    l.GameView = {0, l.StatusBar.Height, 640.0 * TPPX + 10, 377.0 * TPPY + 30};
    l.View = {0, l.StatusBar.Height, 640.0 * TPPX, 377.0 * TPPY};

    l.TrainDest = {0, 2000, l.Window.Width, sizes.BannerHeight};
    l.Banner = {0, 0, l.Window.Width, sizes.BannerHeight};

    l.CrystalsLeft = l.StatusBar.Width - sizes.CrystalsWidth - 10;
}

void ComputeTicketWindow(WindowLayout& l, const ControlSizes& sizes, int officeWidth, int officeHeight) {
    TwipRect& t = l.Tickets;
    t.Left = 0;
    // The ticket window leaves the ticket office (standing at the view's right) uncovered. It is laid
    // out for the picture the view shows: the game view's border is not drawn, and a window reaching
    // into it would lose its bottom edge, the OK button then sitting short of its 240 twips.
    t.Width = l.View.Width - static_cast<double>(officeWidth) * TPPX - 60;
    t.Height = l.View.Height - static_cast<double>(officeHeight) * TPPY - 480;
    t.Top = l.View.Top + l.View.Height - t.Height;  // bottom edges flush

    l.RowTop[0] = 0;
    for (std::size_t i = 1; i <= 5; ++i) {
        l.RowTop[i] = CInt(t.Height / 7 * static_cast<double>(i));
    }
    l.OptLeft = 0.05 * t.Width;
    l.TypeLeft = 0.10 * t.Width;
    l.DestLeft = 0.15 * t.Width;
    l.TimeLeft = 0.75 * t.Width;

    l.TixBorder = {0, 0, t.Width + 10, t.Height - 10};
    l.ExitTix.Width = sizes.ExitTix[0];
    l.ExitTix.Height = sizes.ExitTix[1];
    l.ExitTix.Left = t.Width - l.ExitTix.Width - 240;
    l.ExitTix.Top = t.Height - l.ExitTix.Height - 240;
}

void ComputeInfoPanel(WindowLayout& l, const ControlSizes& sizes, int mapWidth, int mapHeight) {
    l.Usa = {480, 80, static_cast<double>(mapWidth) * TPPX, static_cast<double>(mapHeight) * TPPY};

    TwipRect& p = l.Info;
    p.Width = l.Usa.Width + l.Usa.Left + 1800;
    p.Left = l.GameView.Width - p.Width;  // right edges flush
    p.Top = l.GameView.Top;
    p.Height = l.Usa.Height + l.Usa.Top + 80;

    // The city caption sits on the map's bottom edge; its width follows the caption.
    l.InfoInfo = {120, l.Usa.Top + l.Usa.Height - sizes.InfoInfoHeight, 0, sizes.InfoInfoHeight};

    l.ExitInfo.Width = sizes.ExitInfo[0];
    l.ExitInfo.Height = sizes.ExitInfo[1];
    l.ExitInfo.Left = p.Width - l.ExitInfo.Width - 120;
    l.ExitInfo.Top = p.Height - l.ExitInfo.Height - 120;

    l.Zoom.Width = sizes.Zoom[0];
    l.Zoom.Height = sizes.Zoom[1];
    l.Zoom.Left = l.ExitInfo.Left - l.Zoom.Width - 40;
    l.Zoom.Top = l.ExitInfo.Top;

    l.InfoBorder = {0, 0, p.Width, p.Height + 20};

    l.Legend.Width = sizes.Legend[0];
    l.Legend.Height = sizes.Legend[1];
    l.Legend.Top = l.Usa.Top;
    l.Legend.Left = p.Width - l.Legend.Width - 120;

    // Centred between the legend's bottom and the OK button's top, then raised by 240.
    l.TrainDests.Width = sizes.TrainDests[0];
    l.TrainDests.Height = sizes.TrainDests[1];
    l.TrainDests.Left = p.Width - l.TrainDests.Width - 120;
    l.TrainDests.Top = (l.Legend.Top + l.Legend.Height + l.ExitInfo.Top) / 2 - l.TrainDests.Height / 2 - 240;

    // The zoom viewport shows through the middle 70 % of the map's area.
    l.ZoomContain.Left = l.Usa.Left + 0.15 * l.Usa.Width;
    l.ZoomContain.Width = 0.7 * l.Usa.Width;
    l.ZoomContain.Top = l.Usa.Top + 0.15 * l.Usa.Height;
    l.ZoomContain.Height = 0.7 * l.Usa.Height;
    l.UsaZoom = {0, 0, 2 * l.Usa.Width, 2 * l.Usa.Height};

    const TwipRect& v = l.ZoomContain;
    l.Hsc = {v.Left, v.Top + v.Height, v.Width, sizes.ScrollBar};
    l.Vsc = {v.Left + v.Width, v.Top, sizes.ScrollBar, v.Height};
    // Min 0 shows the zoomed map's top-left corner; the negative Max its bottom-right one.
    l.HscMax = CInt(-(l.UsaZoom.Width - v.Width));
    l.VscMax = CInt(-(l.UsaZoom.Height - v.Height));
    l.HscLargeChange = v.Width;
    l.VscLargeChange = v.Height;
    l.SmallChange = 480;

    l.Back.Width = sizes.Back[0];
    l.Back.Height = sizes.Back[1];
    l.Forward.Width = sizes.Forward[0];
    l.Forward.Height = sizes.Forward[1];
    l.Back.Left = l.Zoom.Left;
    l.Back.Top = l.Zoom.Top - l.Forward.Height - 40;
    l.Forward.Left = l.ExitInfo.Left;
    l.Forward.Top = l.Back.Top;
}

}  // namespace rq
