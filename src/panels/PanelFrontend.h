// The panels' half of the frontend, kept in the game: which panels are open and what they show live
// in the game's state, and the rules that change them run here once for every window. A window only presents: it
// implements the rest of the frontend and shows the panels from the game's state when told that they changed.
#pragma once

#include <cstdint>

#include "game/Frontend.h"
#include "game/Game.h"

namespace rq {

class PanelFrontend : public Frontend {
public:
    explicit PanelFrontend(Game& game) : game_(&game) {}

    // The panels' state changed (opened, closed, new rows, another city shown): show it.
    virtual void PanelsChanged() = 0;
    void FillTrainSchedule(std::int16_t city) final;
    void ShowTicketWindow() final;
    bool IsTicketWindowVisible() const final { return game_->panels.TicketsOpen; }
    void HideTicketWindow() final;
    void ShowCapitalInfo(std::int16_t city) final;
    void OpenMapFromCapitol() final;
    bool IsInfoPanelVisible() const final { return game_->panels.InfoOpen; }
    void HideInfoPanel() final;
    void RefreshInfoForCurrentCity() final;
    void RefreshMapAndInfo() final;
    void ClearPanels() final;
    void RefreshPanels() final { PanelsChanged(); }

protected:
    // The game whose panels these are (a test may start a new one).
    void ShowPanelsOf(Game& game) { game_ = &game; }

private:
    Game* game_;
};

}  // namespace rq
