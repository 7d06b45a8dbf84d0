// The city phase, one tick at a time, in the game's fixed order.
#include "main/CityTick.h"

#include <algorithm>
#include <cctype>

#include "base/Rounding.h"
#include "scene/SceneObjects.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteScene.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/Trains.h"

namespace rq {

namespace {

constexpr int kSecondsPerTrainWindow = 600 / 5;  // a train comes in every two game minutes

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return text;
}

void AnnounceTrain(Game& game, Frontend& fe) {
    World& w = game.world;
    SpriteEngine& spr = game.sprites;
    const std::int16_t s = CurrentTrainSlot(w);
    const City& here = w.city(w.CurCity);
    const int train = here.TrainType[static_cast<std::size_t>(s)] == 0 ? kTrainSlot : kMarkedTrainSlot;
    // Just beyond the right edge of the scene, standing on the track strip.
    const SceneRect& track = spr.gSceneRects.at(1);
    SprShowAt(spr, train, 1280, static_cast<std::int16_t>(track.Top - spr[train].Height));
    spr[train].VX = -30;
    game.effects.PlayEffect(kTrain);
    fe.SetBannerText(DepartureBannerText(w.city(here.TrainDest[static_cast<std::size_t>(s)]).Name));
    game.scene.DepartureBannerOn = true;
}

bool StationInView(const SpriteEngine& spr) {
    return spr.ViewCol == 1 && spr.ViewRow == 0;
}

}  // namespace

std::string DepartureBannerText(const std::string& destinationName) {
    return "********** DEPARTING FOR: " + Upper(destinationName) + " **********";
}

void TimerInCity(Game& game, Frontend& fe) {
    World& w = game.world;
    SpriteEngine& spr = game.sprites;
    Scene& scene = game.scene;

    if (w.FuzzbombCity == 0) {
        // The fuzzbomb was destroyed on the last tick: announce it once.
        w.FuzzbombCity = -1;
        game.shell.InputBits = 0;
        fe.ShowExclamation("Congratulations!  You have destroyed the fuzzbomb and saved the country!");
    }

    // One tick is one unit, a third of a game second.
    w.GameTime += 1;
    const int t = CInt(w.GameTime);
    if (t % 3 == 0) {
        fe.ShowTime(FormatClockTime(w, 0));
    }
    if (Int(w.GameTime / 3) % kSecondsPerTrainWindow == 0 && t % 3 == 0) {
        AnnounceTrain(game, fe);
    }
    if (scene.DepartureBannerOn && t % 6 == 0) {
        fe.SetBannerVisible(!fe.IsBannerVisible());
    }

    SprEraseAll(spr);
    SprAnimate(spr);
    const PlatformEvents events = TrainAtPlatform(w, spr, game.effects);
    if (events.ArrivalsRan && fe.IsInfoPanelVisible()) {
        fe.RefreshMapAndInfo();
    }
    if (events.TrainGone) {
        scene.DepartureBannerOn = false;
        fe.SetBannerVisible(false);
        fe.FillTrainSchedule(w.CurCity);
    }
    scene.Meetings.clear();

    SprComposeScene(spr, w.GameTime);
    SprPresent(spr, scene.View, spr.ViewCol * kViewWidth, spr.ViewRow * kViewHeight);
    fe.PresentView(scene.View);

    if (!spr[kPlayerSlot].Shown && StationInView(spr)) {
        const std::int16_t s = CurrentTrainSlot(w);
        if (RiderAt(w, w.CurCity, s, 1, 1) == kPlayer) {
            // The player is aboard the train that has just left: the journey begins next tick.
            const std::int16_t from = w.CurCity;
            const std::int16_t to = w.city(from).TrainDest[static_cast<std::size_t>(s)];
            LeaveCity(game, fe, from);
            scene.TransitRoute = w.city(from).Name + " -> " + w.city(to).Name;
            game.shell.InTransit = true;
            w.TransitDest = to;
            w.CurCity = 0;
            return;
        }
    }
    if (scene.DepartureBannerOn && !StationInView(spr)) {
        fe.SetBannerVisible(false);
    }
}

void LeaveCity(Game& game, Frontend& fe, std::int16_t cityNo) {
    World& w = game.world;
    SpriteEngine& spr = game.sprites;
    spr.gSceneRects.clear();
    game.shell.SelectedTrain = 0;
    if (cityNo > 0) {
        City& city = w.city(cityNo);
        if (city.NumCitizens > 0) {
            // Crystals left lying in the street are picked up by random citizens, who hold at most
            // 10; a fuzzy who picks one up is cured and holds nothing more.
            for (int slot = kFirstCrystalSlot; slot <= kLastCrystalSlot; ++slot) {
                if (spr[slot].Shown) {
                    const int p = w.Rng.Below(city.NumCitizens) + 1;
                    std::int16_t& crystals = w.crystals(city.Citizens[static_cast<std::size_t>(p)]);
                    if (crystals < 10) {
                        ++crystals;
                    }
                }
            }
        }
    }
    for (int slot = 1; slot <= kLastActorSlot; ++slot) {
        SprHide(spr, slot);
    }
    fe.ClearPanels();
}

}  // namespace rq
