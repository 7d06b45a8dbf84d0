// Test support: a main window that records what the game asks of it and answers its questions.
#pragma once

#include <string>
#include <vector>

#include "game/Frontend.h"

namespace rq::test {

class FakeFrontend : public Frontend {
public:
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
    void FillTrainSchedule(std::int16_t city) override { schedules.push_back(city); }
    void ShowTicketWindow() override {
        ++ticketWindowsShown;
        ticketVisible = true;
    }
    void ShowCapitalInfo(std::int16_t city) override { capitalInfos.push_back(city); }
    void OpenMapFromCapitol() override { ++mapsOpened; }
    bool IsInfoPanelVisible() const override { return infoVisible; }
    void RefreshMapAndInfo() override { ++mapRefreshes; }
    void ClearPanels() override { ++panelClears; }
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

    void HideTicketWindow() override { ticketVisible = false; }
    bool IsTicketWindowVisible() const override { return ticketVisible; }
    void HideInfoPanel() override { infoVisible = false; }
    void RefreshInfoForCurrentCity() override { ++infoRefreshes; }
    void ClearGameView() override { ++viewClears; }
    void SyncMenus() override { ++menuSyncs; }
    void SetBusyPointer(bool busy) override { busyPointer = busy; }
    WindowState CurrentWindowState() const override { return window; }

    WindowState window;
    bool ticketVisible = false;
    bool busyPointer = false;
    int infoRefreshes = 0, viewClears = 0, menuSyncs = 0;
    bool answerYes = true;
    std::vector<std::string> messages;
    std::string time, cityName, banner, transitRoute, transitTime, transitDay;
    bool statusBarBlack = false, bannerVisible = false, infoVisible = false, transitShown = false;
    int exclamations = 0, crystalUpdates = 0, ticketWindowsShown = 0, mapsOpened = 0, mapRefreshes = 0, panelClears = 0,
        presented = 0;
    std::vector<std::int16_t> schedules, capitalInfos;
    Surface lastView;
};

}  // namespace rq::test
