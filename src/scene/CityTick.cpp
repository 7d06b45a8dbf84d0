// The city phase, one tick at a time. The order of the steps is the game's: the clock and the
// announcement come before anything moves, the picture after everything has moved.
#include "scene/CityTick.h"

#include <algorithm>
#include <cctype>

#include "base/Rounding.h"
#include "scene/ActorPass.h"
#include "scene/Crystals.h"
#include "scene/Fuzzies.h"
#include "scene/Joystick.h"
#include "scene/LeaveCity.h"
#include "scene/PlayerControl.h"
#include "sprite/SpriteDraw.h"
#include "sprite/SpriteScene.h"
#include "world/Clock.h"
#include "world/Platform.h"
#include "world/Trains.h"

namespace rq {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return text;
}

// The fuzzbomb was destroyed on the last tick: announce it once.
void AnnounceWin(SceneContext& ctx) {
    if (ctx.w.FuzzbombCity == 0) {
        ctx.w.FuzzbombCity = -1;
        ctx.scene.InputBits = 0;
        ctx.port.ShowExclamation("Congratulations!  You have destroyed the fuzzbomb and saved the country!");
    }
}

// One tick is one unit, a third of a game second; the clock's label changes once a game second.
void TickClock(SceneContext& ctx) {
    AdvanceClock(ctx.w, 1);
    if (CInt(ctx.w.GameTime) % 3 == 0) {
        ctx.port.ShowTime(FormatClockTime(ctx.w, 0));
    }
}

// At the start of every train window the train of the new slot runs in from beyond the right edge
// of the scene, standing on the track strip, and the banner names where it goes.
void AnnounceTrain(SceneContext& ctx) {
    World& w = ctx.w;
    SpriteEngine& spr = ctx.spr;
    if (!IsTrainWindowStart(w.GameTime)) {
        return;
    }
    const std::int16_t s = CurrentTrainSlot(w);
    const City& here = w.city(w.CurCity);
    const int train = here.TrainType[static_cast<std::size_t>(s)] == 0 ? kTrainSprite : kMarkedTrainSprite;
    const SceneRect& track = spr.gSceneRects.at(1);
    SprShowAt(spr, train, 1280, static_cast<std::int16_t>(track.Top - spr[train].Height));
    spr[train].VX = -30;
    ctx.fx.PlayEffect(kTrain);
    ctx.port.SetBannerText(DepartureBannerText(w.city(here.TrainDest[static_cast<std::size_t>(s)]).Name));
    ctx.scene.DepartureBannerOn = true;
}

// The banner blinks with a period of 12 ticks, 4 game seconds.
void BlinkBanner(SceneContext& ctx) {
    if (ctx.scene.DepartureBannerOn && CInt(ctx.w.GameTime) % 6 == 0) {
        ShowDepartureBanner(ctx, !ctx.scene.BannerVisible);
    }
}

// The train at the platform, and with it the arrivals, advances and departures of the network.
void RunPlatform(SceneContext& ctx) {
    const PlatformEvents events = TrainAtPlatform(ctx.w, ctx.spr, ctx.fx);
    if (events.ArrivalsRan && ctx.port.IsInfoPanelVisible()) {
        ctx.port.RefreshMapAndInfo();
    }
    if (events.TrainGone) {
        ctx.scene.DepartureBannerOn = false;
        ShowDepartureBanner(ctx, false);
        ctx.port.FillTrainSchedule(ctx.w.CurCity);
    }
}

// The action button drops one of the player's crystals.
void DropOnAction(SceneContext& ctx) {
    if ((ctx.scene.InputBits & kInputAction) != 0) {
        DropCrystal(ctx, kPlayerSlot);
    }
}

void PresentStreet(SceneContext& ctx) {
    SprComposeScene(ctx.spr, ctx.w.GameTime);
    SprPresent(ctx.spr, ctx.scene.View, ctx.spr.ViewCol * kViewWidth, ctx.spr.ViewRow * kViewHeight,
               ctx.scene.ViewChanged);
    ctx.port.PresentView(ctx.scene.View, ctx.scene.ViewChanged);
}

// The player has boarded (the figure is hidden) and holds seat 1 of stage 1 of the train that has
// just left: the street is cleared and the journey begins. The check is made only while the station
// is on screen, so a player hidden in a train elsewhere never travels.
bool PlayerDeparts(SceneContext& ctx) {
    World& w = ctx.w;
    if (ctx.spr[kPlayerSlot].Shown || !StationInView(ctx.spr)) {
        return false;
    }
    const std::int16_t s = CurrentTrainSlot(w);
    if (RiderAt(w, w.CurCity, s, 1, 1) != kPlayer) {
        return false;
    }
    const std::int16_t from = w.CurCity;
    const std::int16_t to = w.city(from).TrainDest[static_cast<std::size_t>(s)];
    LeaveCity(ctx, from);
    ctx.scene.TransitRoute = w.city(from).Name + " -> " + w.city(to).Name;
    w.TransitDest = to;
    w.CurCity = 0;
    return true;
}

}  // namespace

std::string DepartureBannerText(const std::string& destinationName) {
    return "********** DEPARTING FOR: " + Upper(destinationName) + " **********";
}

void ShowDepartureBanner(SceneContext& ctx, bool visible) {
    ctx.scene.BannerVisible = visible;
    ctx.port.SetBannerVisible(visible);
}

CityTickResult TimerInCity(SceneContext& ctx) {
    AnnounceWin(ctx);
    TickClock(ctx);
    AnnounceTrain(ctx);
    BlinkBanner(ctx);
    SteerPlayer(ctx);
    EndHitFlash(ctx);
    SprAnimate(ctx.spr);
    RunPlatform(ctx);
    ctx.scene.Meetings.clear();
    AimFuzzies(ctx);
    ctx.scene.LastCollisionPasses = CollisionPasses(ctx);
    MovePlayerAndView(ctx);
    MoveActors(ctx);
    DropOnAction(ctx);
    SpawnNowAndThen(ctx);
    PickUpCrystals(ctx);
    PresentStreet(ctx);
    if (PlayerDeparts(ctx)) {
        return CityTickResult::JourneyBegins;
    }
    // The banner blinks only while the station is on screen.
    if (ctx.scene.DepartureBannerOn && !StationInView(ctx.spr)) {
        ShowDepartureBanner(ctx, false);
    }
    return CityTickResult::StayInCity;
}

}  // namespace rq
