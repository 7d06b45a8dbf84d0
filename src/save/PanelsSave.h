// The panels in a saved game: the information panel's history, map and texts, and the ticket rows.
#pragma once

#include "game/PanelState.h"
#include "save/SaveJson.h"

namespace rq {

// The layout is the window's own (it follows the screen) and is neither written nor read.
Json PanelsToJson(const Panels& p);
void PanelsFromJson(const Field& in, Panels& p);

}  // namespace rq
