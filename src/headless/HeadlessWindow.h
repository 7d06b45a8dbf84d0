// The main window of a game run without one: it notes the messages and sounds of each step, answers
// the game's questions as told, and shows nothing. The panels' state is the game's own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/SoundPort.h"
#include "game/Game.h"
#include "panels/PanelFrontend.h"

namespace rq {

class HeadlessWindow : public PanelFrontend, public SoundPort {
public:
    explicit HeadlessWindow(Game& game) : PanelFrontend(game) {}

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
    void SyncMenus() override {}
    void PanelsChanged() override {}
    void ShowTransit(const std::string&, const std::string&, const std::string&) override {}
    void UpdateTransit(const std::string&, const std::string&) override {}
    void HideTransit() override {}
    void PresentView(const Surface&, std::span<const PixelRect>) override {}
    void ClearGameView() override {}
    void SetBusyPointer(bool) override {}
    // Always the active window: only a pause holds the game.
    WindowState CurrentWindowState() const override { return {}; }

private:
    std::optional<bool> answer_;
    std::vector<std::string> messages_;
    std::vector<std::int16_t> sounds_;
};

}  // namespace rq
