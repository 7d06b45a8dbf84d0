// The running game saved, and a saved game opened in its place.
#include "save/RunningGame.h"

#include <memory>
#include <utility>

#include "save/SavedGameFile.h"
#include "scene/CityTick.h"
#include "world/Clock.h"

namespace rq {

bool SaveRunningGame(const std::string& path, const Game& game, const SaveExtras& extras, std::string& message) {
    return SaveGameFile(path, game, extras, message);
}

bool OpenInPlace(const std::string& path, Session& session, SaveExtras& extras, std::string& message) {
    std::string text;
    return ReadGameFile(path, text, message) && OpenTextInPlace(path, text, session, extras, message);
}

bool OpenTextInPlace(const std::string& path, const std::string& text, Session& session, SaveExtras& extras,
                     std::string& message) {
    // Read into a copy of the running game, which is left as it was when the file is refused.
    auto opened = std::make_unique<Game>(session.game());
    if (!OpenGameText(path, text, *opened, extras, message)) {
        return false;
    }
    session.Opened(std::move(*opened));
    ComposeSavedStreet(session.game());
    ShowOpenedGame(session.game(), session.Window());
    return true;
}

void ShowOpenedGame(const Game& game, Frontend& fe) {
    const World& w = game.world;
    const Scene& scene = game.scene;
    fe.HideTransit();
    fe.ShowTime(FormatClockTime(w, 0));
    if (game.shell.InTransit) {
        // The status bar keeps the city the journey left, the first part of its route.
        const std::string& route = scene.TransitRoute;
        fe.ShowCityName(route.substr(0, route.find(" -> ")));
        fe.SetBannerVisible(false);
        fe.ClearGameView();
        fe.SetStatusBarBlack(true);
        if (game.shell.Travel.Begun) {
            fe.ShowTransit(scene.TransitRoute, FormatClockTime(w, 1), JourneyDayText(w, true));
        }
    } else {
        fe.SetStatusBarBlack(false);
        fe.ShowCityName(w.city(w.CurCity).Name);
        const std::int16_t slot = CurrentTrainSlot(w);
        if (scene.DepartureBannerOn && slot > 0) {
            const City& here = w.city(w.CurCity);
            fe.SetBannerText(DepartureBannerText(w.city(here.TrainDest[static_cast<std::size_t>(slot)]).Name));
        }
        fe.SetBannerVisible(scene.DepartureBannerOn && scene.BannerVisible);
        const PixelRect whole{0, 0, kViewWidth, kViewHeight};
        fe.PresentView(scene.View, std::span<const PixelRect>(&whole, 1));
    }
    fe.UpdateCrystalDisplay();
    fe.SyncMenus();
    fe.RefreshPanels();
}

}  // namespace rq
