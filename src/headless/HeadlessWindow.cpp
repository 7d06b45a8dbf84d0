// The window's part of a game without one: the panels' rules run as the window runs them.
#include "headless/HeadlessWindow.h"

#include "panels/Panels.h"

namespace rq {

void HeadlessWindow::Play(std::string_view file, bool) {
    for (std::int16_t effect = kWinGame; effect <= kTick; ++effect) {
        if (EffectFor(effect).file == file) {
            sounds_.push_back(effect);
            return;
        }
    }
}

bool HeadlessWindow::AskYesNo(const std::string& question) {
    messages_.push_back(question);
    const bool yes = answer_.value_or(true);
    answer_.reset();
    return yes;
}

void HeadlessWindow::FillTrainSchedule(std::int16_t city) {
    rq::FillTrainSchedule(game_, city);
}

void HeadlessWindow::ShowCapitalInfo(std::int16_t city) {
    ShowCapitalCity(game_, city);
}

void HeadlessWindow::OpenMapFromCapitol() {
    OpenMapAtCapitol(game_);
    infoOpen_ = true;
}

void HeadlessWindow::RefreshInfoForCurrentCity() {
    rq::RefreshInfoForCurrentCity(game_, infoOpen_);
}

void HeadlessWindow::RefreshMapAndInfo() {
    RefreshMapState(game_, infoOpen_);
}

void HeadlessWindow::ClearPanels() {
    ticketsOpen_ = false;
    infoOpen_ = false;
    ClearPanelState(game_);
}

}  // namespace rq
