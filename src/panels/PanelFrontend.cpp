// The panels' rules behind the frontend: one home for the window, the headless game and the tests.
#include "panels/PanelFrontend.h"

#include "panels/Panels.h"

namespace rq {

void PanelFrontend::FillTrainSchedule(std::int16_t city) {
    rq::FillTrainSchedule(*game_, city);
    PanelsChanged();
}

void PanelFrontend::ShowTicketWindow() {
    game_->panels.TicketsOpen = true;
    PanelsChanged();
}

void PanelFrontend::HideTicketWindow() {
    game_->panels.TicketsOpen = false;
    PanelsChanged();
}

void PanelFrontend::ShowCapitalInfo(std::int16_t city) {
    ShowCapitalCity(*game_, city);
    PanelsChanged();
}

void PanelFrontend::OpenMapFromCapitol() {
    OpenMapAtCapitol(*game_);
    game_->panels.InfoOpen = true;
    PanelsChanged();
}

void PanelFrontend::HideInfoPanel() {
    game_->panels.InfoOpen = false;
    PanelsChanged();
}

void PanelFrontend::RefreshInfoForCurrentCity() {
    if (rq::RefreshInfoForCurrentCity(*game_, game_->panels.InfoOpen)) {
        PanelsChanged();
    }
}

void PanelFrontend::RefreshMapAndInfo() {
    RefreshMapState(*game_, game_->panels.InfoOpen);
    PanelsChanged();
}

void PanelFrontend::ClearPanels() {
    game_->panels.TicketsOpen = false;
    game_->panels.InfoOpen = false;
    ClearPanelState(*game_);
    PanelsChanged();
}

}  // namespace rq
