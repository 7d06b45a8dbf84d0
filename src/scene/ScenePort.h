// What the city scene asks of the window: status bar texts, the banner, the panels, the menus and the view.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/MessagePort.h"
#include "sprite/SpriteEngine.h"
#include "sprite/Surface.h"
#include "world/World.h"

namespace rq {

// The window implements it; the world's crystal display (UpdateCrystalDisplay, for a player fuzzed
// by an arrival) is part of it.
class ScenePort : public MessagePort, public CrystalDisplayPort {
public:
    // The status bar: the clock (lblTime), the city name (lblCityName), the player's crystals.
    virtual void ShowTime(const std::string& text) = 0;
    virtual void ShowCityName(const std::string& text) = 0;
    // The status bar turns black for a journey and light grey again in a city.
    virtual void SetStatusBarBlack(bool black) = 0;

    // The departure banner strip (picTrainDest with lblTrainDestBanner).
    virtual void SetBannerText(const std::string& text) = 0;
    virtual void SetBannerVisible(bool visible) = 0;

    // The ticket window: its departures for a city, showing it when the player walks in, and whether
    // it is open (the player stands still while it is).
    virtual void FillTrainSchedule(std::int16_t city) = 0;
    virtual void ShowTicketWindow() = 0;
    virtual bool IsTicketWindowVisible() const = 0;

    // The information panel: a capital shows its own information on arrival (the map back to normal
    // size, the city shown and added to the history); the capitol building opens the map.
    virtual void ShowCapitalInfo(std::int16_t city) = 0;
    virtual void OpenMapFromCapitol() = 0;
    virtual bool IsInfoPanelVisible() const = 0;
    // In a capital whose information the open panel shows, shows that information again.
    virtual void RefreshInfoForCurrentCity() = 0;
    // Redraws the map's markers and the shown city's information after the fuzz has moved.
    virtual void RefreshMapAndInfo() = 0;
    // Closes the information panel and the ticket window and clears the history (leaving a city).
    virtual void ClearPanels() = 0;

    // The Game menu follows the game: the Pause caption, which control-mode entry shows, the Sound
    // check (a failed joystick falls back to the keyboard).
    virtual void SyncMenus() = 0;

    // The journey's display over the black game view: the route, the time and the day.
    virtual void ShowTransit(const std::string& route, const std::string& time, const std::string& day) = 0;
    virtual void UpdateTransit(const std::string& time, const std::string& day) = 0;
    virtual void HideTransit() = 0;

    // One 640 × 377 view of the street, handed over once per city tick, with the blocks of it that
    // changed since the last one (view coordinates): the window need redraw only those.
    virtual void PresentView(const Surface& view, std::span<const PixelRect> changed) = 0;
};

}  // namespace rq
