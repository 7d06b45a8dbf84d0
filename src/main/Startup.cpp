// Start-up in the game's order: surfaces and files first, then the world and the sprite slots.
#include "main/Startup.h"

#include "main/Settings.h"
#include "main/WorldStartup.h"
#include "sprite/CreateSprites.h"
#include "sprite/SpriteLoad.h"
#include "sprite/SpriteSetup.h"

namespace rq {

bool LoadGameFiles(Game& game, PictureLoader& loader, MessagePort& messages) {
    SpriteEngine& e = game.sprites;
    const std::string& dir = game.shell.AppPath;
    return iSprCreateBackBuffer(e, kBackBufferWidth, kBackBufferHeight) &&
           iSprLoadSheet(e, dir, "railquest.bmp", loader, messages) &&
           iSprLoadMask(e, dir, "masks.bmp", loader, messages) &&
           iSprLoadBMP(e.Track, dir, "tracks.bmp", loader, messages) &&
           iSprLoadBMP(e.Map, dir, "usa.bmp", loader, messages) && iSprLoadGfx(e, dir, "railquest.dat", messages);
}

bool BuildGame(Game& game, std::uint64_t seed) {
    StartWorld(game.world, game.sprites, seed);
    return CreateSprites(game.sprites);
}

void FailureExit(Game& game, const std::string& settingsPath) {
    SaveSettings(game.shell, settingsPath);
    SprShutdown(game.sprites);
}

}  // namespace rq
