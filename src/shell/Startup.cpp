// Start-up in the game's order: seed and crystals, surfaces and files, then the world and the sprite slots.
#include "shell/Startup.h"

#include <algorithm>

#include "panels/WindowLayout.h"
#include "scene/EnterCity.h"
#include "scene/SceneRects.h"
#include "shell/Settings.h"
#include "sprite/CreateSprites.h"
#include "sprite/SpriteLoad.h"
#include "sprite/SpriteSetup.h"
#include "world/CityData.h"
#include "world/WorldStartup.h"

namespace rq {
namespace {

// The track tile is repeated along the one-view-wide track band and drawn only inside it.
PictureBounds TrackTileBounds() {
    return PictureBounds{1, 1, kViewWidth, SceneRectsForSize(2)[1].Height};
}

// The map must hold every city's position, and the information panel around it (the map and a fixed
// margin) must fit on the game view.
PictureBounds MapBounds() {
    PictureBounds b;
    for (const CityRow& row : kCityRows) {
        b.MinWidth = std::max(b.MinWidth, row.MapX + 1);
        b.MinHeight = std::max(b.MinHeight, row.MapY + 1);
    }
    WindowLayout margin;
    ComputeInfoPanel(margin, ControlSizes{}, 0, 0);
    b.MaxWidth = static_cast<int>((kViewWidth * TPPX - margin.Info.Width) / TPPX);
    b.MaxHeight = static_cast<int>((kViewHeight * TPPY - margin.Info.Height) / TPPY);
    return b;
}

}  // namespace

bool LoadGameFiles(Game& game, PictureLoader& loader, MessagePort& messages) {
    SpriteEngine& e = game.sprites;
    const std::string& dir = game.shell.AppPath;
    return iSprCreateBackBuffer(e, kBackBufferWidth, kBackBufferHeight) &&
           iSprLoadSheet(e, dir, "railquest.bmp", loader, messages) &&
           iSprLoadMask(e, dir, "masks.bmp", loader, messages) &&
           iSprLoadBMP(e.Track, dir, "tracks.bmp", TrackTileBounds(), loader, messages) &&
           iSprLoadBMP(e.Map, dir, "usa.bmp", MapBounds(), loader, messages) &&
           iSprLoadGfx(e, dir, "railquest.dat", messages);
}

void BeginGame(Game& game, std::uint64_t seed) {
    BeginWorld(game.world, seed);
}

bool BuildGame(Game& game) {
    BuildWorld(game.world, game.sprites);
    if (!CreateSprites(game.sprites)) {
        return false;
    }
    // The first step of laying out the main window (BuildTrackStrip) needs only the sprite engine.
    SprBuildTrackStrip(game.sprites);
    return true;
}

void EnterStartCity(Game& game, Frontend& fe) {
    game.world.CrystalDisplay = &fe;
    SceneContext ctx = SceneOf(game, fe);
    EnterCity(ctx, game.world.CurCity);
}

bool StartGame(Game& game, std::uint64_t seed, const std::string& appPath, StartupHost& host) {
    BeginGame(game, seed);
    game.shell.AppPath = appPath;
    game.shell.SplashUp = true;
    host.OpenWindows();
    if (!LoadGameFiles(game, host.Pictures(), host.LoadMessages()) || !BuildGame(game)) {
        return false;
    }
    game.effects.Port = &host.OpenVoice();
    host.LayOutPanels();
    EnterStartCity(game, host.Window());
    game.shell.Stage = StartupStage::FirstTick;
    return true;
}

std::string FailureExit(Game& game, const std::string& settingsPath) {
    std::string whyNot;
    if (!settingsPath.empty()) {
        SaveSettings(game.scene.JoystickMode, settingsPath, &whyNot);
    }
    SprShutdown(game.sprites);
    return whyNot;
}

}  // namespace rq
