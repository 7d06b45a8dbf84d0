// Test support for the city scene: a window that records what the scene asks of it, and a game
// whose sprite slots are made from frames of the street's usual sizes (no picture files needed).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "main/Game.h"
#include "scene/SceneObjects.h"
#include "support/TestSprites.h"

namespace rq::testing {

class FakeScenePort : public ScenePort {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& question) override {
        messages.push_back(question);
        return answerYes;
    }
    void ShowTime(const std::string& text) override { time = text; }
    void ShowCityName(const std::string& text) override { cityName = text; }
    void UpdateCrystalDisplay() override { ++crystalUpdates; }
    void SetStatusBarBlack(bool black) override { statusBarBlack = black; }
    void SetBannerText(const std::string& text) override { banner = text; }
    void SetBannerVisible(bool visible) override { bannerVisible = visible; }
    bool IsBannerVisible() const override { return bannerVisible; }
    void FillTrainSchedule(std::int16_t city) override { schedules.push_back(city); }
    void ShowTicketWindow() override { ++ticketWindowsShown; }
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
    void PresentView(const Surface& view) override {
        ++presented;
        lastView = view;
    }

    bool answerYes = true;
    std::vector<std::string> messages;
    std::string time, cityName, banner, transitRoute, transitTime, transitDay;
    bool statusBarBlack = false, bannerVisible = false, infoVisible = false, transitShown = false;
    int crystalUpdates = 0, ticketWindowsShown = 0, mapsOpened = 0, mapRefreshes = 0, panelClears = 0, presented = 0;
    std::vector<std::int16_t> schedules, capitalInfos;
    Surface lastView;
};

struct TestGame {
    std::unique_ptr<Game> game = std::make_unique<Game>();
    FakeScenePort port;
    SceneContext ctx{game->world, game->sprites, game->effects, port};

    TestGame() { MakeTestSprites(game->sprites); }
};

}  // namespace rq::testing
