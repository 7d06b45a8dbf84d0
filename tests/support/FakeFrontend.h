// Test support: a main window that records what the game asks it to show and answers its questions.
// The panels' rules are the game's own (PanelFrontend); the fake only counts their changes.
#pragma once

#include <string>
#include <vector>

#include "panels/PanelFrontend.h"

namespace rq::test {

class FakeFrontend : public PanelFrontend {
public:
    explicit FakeFrontend(Game& game) : PanelFrontend(game) {}
    // The panels of another game from now on (a test that starts its game again).
    void Use(Game& game) { ShowPanelsOf(game); }

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowExclamation(const std::string& text) override {
        messages.push_back(text);
        ++exclamations;
    }
    bool AskYesNo(const std::string& question) override {
        messages.push_back(question);
        return answerYes;
    }
    void AnswerNextQuestion(bool yes) override { answerYes = yes; }
    void ShowTime(const std::string& text) override { time = text; }
    void ShowCityName(const std::string& text) override { cityName = text; }
    void UpdateCrystalDisplay() override { ++crystalUpdates; }
    void SetStatusBarBlack(bool black) override { statusBarBlack = black; }
    void SetBannerText(const std::string& text) override { banner = text; }
    void SetBannerVisible(bool visible) override { bannerVisible = visible; }
    void PanelsChanged() override { ++panelChanges; }
    void ShowTransit(const std::string& route, const std::string& t, const std::string& day) override {
        transitRoute = route;
        transitTime = t;
        transitDay = day;
        transitShown = true;
    }
    void UpdateTransit(const std::string& t, const std::string& day) override {
        transitTime = t;
        transitDay = day;
    }
    void HideTransit() override { transitShown = false; }
    void PresentView(const Surface& view, std::span<const PixelRect>) override {
        ++presented;
        lastView = view;
    }
    void ClearGameView() override { ++viewClears; }
    void SyncMenus() override { ++menuSyncs; }
    void SetBusyPointer(bool busy) override { busyPointer = busy; }
    WindowState CurrentWindowState() const override { return window; }

    WindowState window;
    bool busyPointer = false;
    int viewClears = 0, menuSyncs = 0, panelChanges = 0;
    bool answerYes = true;
    std::vector<std::string> messages;
    std::string time, cityName, banner, transitRoute, transitTime, transitDay;
    bool statusBarBlack = false, bannerVisible = false, transitShown = false;
    int exclamations = 0, crystalUpdates = 0, presented = 0;
    Surface lastView;
};

}  // namespace rq::test
