// Pause, skip and the game-active test.
#include "shell/GameShell.h"

#include <cmath>

#include "base/Rounding.h"
#include "world/Clock.h"

namespace rq {

bool IsGameActive(const Shell& shell, const WindowState& window) {
    if (shell.SplashUp && shell.Stage == StartupStage::FirstTick) {
        return true;
    }
    return !shell.Paused && window.Active && !window.Minimized;
}

void TogglePause(Shell& shell) {
    shell.Paused = !shell.Paused;
}

bool NoFuzzyInScene(const Game& game) {
    for (int slot = kFirstActorSlot; slot <= kLastActorSlot; ++slot) {
        const Sprite& actor = game.sprites[slot];
        if (actor.Shown && game.world.crystals(actor.CitizenNo) == kFuzzed) {
            return false;
        }
    }
    return true;
}

bool SkipToNextTrain(Game& game) {
    const SpriteEngine& spr = game.sprites;
    const bool allowed = NoFuzzyInScene(game) && !spr[kTrainSprite].Shown && !spr[kMarkedTrainSprite].Shown &&
                         StationInView(spr) && game.world.CurCity != 0 && spr[kPlayerSlot].Shown;
    if (!allowed) {
        return false;
    }
    // The next city tick adds one unit and lands exactly on the start of the next train window.
    World& w = game.world;
    w.GameTime = w.GameTime + kTrainWindowUnits - (CInt(w.GameTime) % kTrainWindowUnits) - 1;
    return true;
}

}  // namespace rq
