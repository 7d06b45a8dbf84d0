// What the main window's panels hold between events: the layout in twips, the history, the map's zoom
// and scroll state, the shown city's texts and the rows of the ticket window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rq {

// Twips per pixel on a 96-dot-per-inch screen; the window's geometry is reckoned in twips.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int TPPX = kTwipsPerPixel;
inline constexpr int TPPY = kTwipsPerPixel;

// A control's place in twips, in its container's coordinates. Width and Height include any border.
struct TwipRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
};

// The design sizes of the controls whose size the layout reads but does not set.
struct ControlSizes {
    double BannerHeight = 240;            // lblTrainDestBanner, sized to its font
    double CrystalsWidth = 285;           // lblCrystals, wide enough for "100"
    double ExitInfo[2] = {855, 375};      // cmdExitInfo width, height
    double Zoom[2] = {1005, 375};         // cmdZoom
    double Forward[2] = {855, 375};       // cmdForward
    double Back[2] = {1005, 375};         // cmdBack
    double ExitTix[2] = {855, 375};       // cmdExitTix
    double InfoInfoHeight = 255;          // picInfoInfo
    double Legend[2] = {1680, 1395};      // picInfoLegend
    double TrainDests[2] = {1680, 1395};  // picInfoTrainDests
    double ScrollBar = 255;               // the thickness of hscUSA and vscUSA
};

// The window's layout, computed once by ComputeWindowLayout, LayoutTicketWindow and LayoutInfoPanel.
struct WindowLayout {
    // ComputeWindowLayout
    TwipRect Window;             // frmMain, its outer size and its place on the screen
    TwipRect StatusBar;          // picStatusBar
    TwipRect GameView;           // picGameView, its Width and Height with its border
    TwipRect View;               // the 640 × 377-pixel picture the game view shows, without the border
    TwipRect TrainDest;          // picTrainDest
    TwipRect Banner;             // lblTrainDestBanner inside picTrainDest
    double CrystalsLeft = 0;     // lblCrystals.Left
    double BackgroundWidth = 0;  // picBackground
    double BackgroundHeight = 0;

    // LayoutTicketWindow
    TwipRect Tickets;                                              // picTickets
    std::array<double, 6> RowTop{};                                // the five row positions 1..5 (index 0 unused)
    double OptLeft = 0, TypeLeft = 0, DestLeft = 0, TimeLeft = 0;  // the four columns
    TwipRect TixBorder;                                            // shpTixBorder
    TwipRect ExitTix;                                              // cmdExitTix

    // LayoutInfoPanel
    TwipRect Info;         // picInfo
    TwipRect Usa;          // picUSA
    TwipRect InfoInfo;     // picInfoInfo (its Width follows the caption)
    TwipRect ExitInfo;     // cmdExitInfo
    TwipRect Zoom;         // cmdZoom
    TwipRect InfoBorder;   // shpInfoBorder
    TwipRect Legend;       // picInfoLegend
    TwipRect TrainDests;   // picInfoTrainDests
    TwipRect ZoomContain;  // picUSAZoomContain, the viewport of the zoomed map
    TwipRect UsaZoom;      // picUSAZoom (Left and Top follow the scroll bars)
    TwipRect Hsc;          // hscUSA
    TwipRect Vsc;          // vscUSA
    TwipRect Back;         // cmdBack
    TwipRect Forward;      // cmdForward
    // The scroll bars' ranges: Min 0 is the larger end, Max is negative.
    int HscMax = 0, VscMax = 0;
    double HscLargeChange = 0, VscLargeChange = 0;
    int SmallChange = 480;
};

// The history of shown cities (the hidden list lstHist) and the two buttons that walk it.
struct History {
    std::vector<std::int16_t> Entries;  // city numbers, oldest first
    int ListIndex = -1;                 // the entry now shown; −1 when the list is empty
    bool BackEnabled = false;           // cmdBack
    bool ForwardEnabled = false;        // cmdForward
};

// A marker as DrawCityMarkers left it on one of the two map pictures.
struct MarkerPaint {
    std::uint32_t Fill = 0;  // 0x00RRGGBB
    bool Square = false;     // a capital
    bool operator==(const MarkerPaint&) const = default;
};

// The map: which picture shows, the scroll position of the enlarged one and the arrow.
struct MapState {
    bool Zoomed = false;     // cmdZoom reads "Zoom Out" (the enlarged map shows); "Zoom In" otherwise
    int HscValue = 0;        // hscUSA.Value = picUSAZoom.Left, twips, 0 down to HscMax
    int VscValue = 0;        // vscUSA.Value = picUSAZoom.Top
    double PointerLeft = 0;  // imgPointer's top-left corner in twips, in its container
    double PointerTop = 0;
    bool PointerOnZoom = false;  // imgPointer lies on picUSAZoom (else on picUSA)
    bool PointerVisible = false;
    // The markers drawn on picUSA and on picUSAZoom (cities 1..200, index 0 unused); empty when the
    // picture has been cleared back to the plain map.
    std::vector<MarkerPaint> UsaMarkers;
    std::vector<MarkerPaint> ZoomMarkers;
};

// The shown city's texts in the information panel.
struct InfoState {
    std::string InfoText;                     // lblInfoInfo: "Name: description"
    std::array<std::string, 6> DestCaptions;  // lblInfoTrainDest(1..5)
    bool DestsVisible = false;                // picInfoTrainDests
};

// One row of the ticket window, addressed by its train slot.
struct TicketRow {
    int Position = 0;     // the screen position 1..5, top to bottom
    std::string Dest;     // lblTrainDest(s)
    std::string Time;     // lblTrainTime(s)
    bool Marked = false;  // lblTrainType(s) ("*") is visible
};

struct TicketState {
    std::array<TicketRow, 6> Rows{};  // slots 1..5
    std::int16_t CheckedSlot = 0;     // the option button that is set, 0 = none
};

struct Panels {
    bool TicketsOpen = false;  // picTickets shows
    bool InfoOpen = false;     // picInfo shows
    WindowLayout Layout;
    History Hist;
    MapState Map;
    InfoState Info;
    TicketState Tickets;
};

}  // namespace rq
