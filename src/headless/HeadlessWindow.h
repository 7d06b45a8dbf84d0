// The main window of a game run without one: it keeps what the game asks the window to hold (the
// panels' state, which panels are open), notes the messages and sounds of each step and answers the
// game's questions as told, and shows nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/SoundPort.h"
#include "game/Frontend.h"
#include "game/Game.h"

namespace rq {

class HeadlessWindow : public Frontend, public SoundPort {
public:
    explicit HeadlessWindow(Game& game) : game_(game) {}

    // A new step begins: its messages and sounds start empty.
    void BeginStep() {
        messages_.clear();
        sounds_.clear();
    }
    // The texts of the message boxes and questions of this step, and the effects played (1..10).
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::int16_t>& Sounds() const { return sounds_; }

    // The answer to the next question. A question with none given is answered Yes, as the window's
    // question answers Enter: Yes is the button that has the focus.
    void AnswerNextQuestion(bool yes) override { answer_ = yes; }

    // Which panels are open, as a saved game left them.
    void SetPanelsOpen(bool tickets, bool info) {
        ticketsOpen_ = tickets;
        infoOpen_ = info;
    }

    // ---- SoundPort ----
    void Play(std::string_view file, bool interrupts) override;

    // ---- Frontend ----
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    bool AskYesNo(const std::string& question) override;
    void UpdateCrystalDisplay() override {}
    void ShowTime(const std::string&) override {}
    void ShowCityName(const std::string&) override {}
    void SetStatusBarBlack(bool) override {}
    void SetBannerText(const std::string&) override {}
    void SetBannerVisible(bool) override {}
    void FillTrainSchedule(std::int16_t city) override;
    void ShowTicketWindow() override { ticketsOpen_ = true; }
    bool IsTicketWindowVisible() const override { return ticketsOpen_; }
    void ShowCapitalInfo(std::int16_t city) override;
    void OpenMapFromCapitol() override;
    bool IsInfoPanelVisible() const override { return infoOpen_; }
    void RefreshInfoForCurrentCity() override;
    void RefreshMapAndInfo() override;
    void ClearPanels() override;
    void SyncMenus() override {}
    void ShowTransit(const std::string&, const std::string&, const std::string&) override {}
    void UpdateTransit(const std::string&, const std::string&) override {}
    void HideTransit() override {}
    void PresentView(const Surface&, std::span<const PixelRect>) override {}
    void HideTicketWindow() override { ticketsOpen_ = false; }
    void HideInfoPanel() override { infoOpen_ = false; }
    void ClearGameView() override {}
    void SetBusyPointer(bool) override {}
    // Always the active window: only a pause holds the game.
    WindowState CurrentWindowState() const override { return {}; }

private:
    Game& game_;
    bool ticketsOpen_ = false;
    bool infoOpen_ = false;
    std::optional<bool> answer_;
    std::vector<std::string> messages_;
    std::vector<std::int16_t> sounds_;
};

}  // namespace rq
