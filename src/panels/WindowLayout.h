// The main window's layout rules in twips: the window itself, LayoutTicketWindow and LayoutInfoPanel.
#pragma once

#include "game/PanelState.h"

namespace rq {

// The window's frame, twips: its outer size less these is its inner (client) size.
inline constexpr double kFrameWidthTwips = 90;

// The window's geometry when it is made: the status bar, the game view, the window's size and place, the banner strip
// and the crystal count's place. screenWidthTwips is the screen's width in twips.
void ComputeWindowLayout(WindowLayout& l, const ControlSizes& sizes, double screenWidthTwips);

// LayoutTicketWindow: the ticket window over the game view beside the ticket office, whose sprite
// (slot 103) is officeWidth × officeHeight pixels; rows at sevenths of its height.
void ComputeTicketWindow(WindowLayout& l, const ControlSizes& sizes, int officeWidth, int officeHeight);

// LayoutInfoPanel: the information panel around the map picture of mapWidth × mapHeight pixels,
// right-aligned on the game view, with the zoom viewport, its scroll bars and the buttons.
void ComputeInfoPanel(WindowLayout& l, const ControlSizes& sizes, int mapWidth, int mapHeight);

}  // namespace rq
