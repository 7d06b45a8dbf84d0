// Pause, skip and the game-active test.
#include "main/GameShell.h"

#include <cmath>

#include "base/Rounding.h"

namespace rq {

bool IsGameActive(const Shell& shell, const WindowState& window) {
    if (shell.SplashUp && shell.StartupStage == 1) {
        return true;
    }
    return !shell.Paused && window.Active && !window.Minimized;
}

void mnuPause_Click(Shell& shell) {
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

bool mnuSkipToTrain_Click(Game& game) {
    const SpriteEngine& spr = game.sprites;
    const bool allowed = NoFuzzyInScene(game) && !spr[kTrainSlot].Shown && !spr[kMarkedTrainSlot].Shown &&
                         spr.ViewCol == 1 && spr.ViewRow == 0 && game.world.CurCity != 0 && spr[kPlayerSlot].Shown;
    if (!allowed) {
        return false;
    }
    // One train window is two game minutes: (10 / 5) × 60 × 3 = 360 units. The next city tick adds
    // one unit and lands exactly on the start of the next window.
    constexpr int step = (10 / 5) * 60 * 3;
    World& w = game.world;
    w.GameTime = w.GameTime + step - (CInt(w.GameTime) % step) - 1;
    return true;
}

}  // namespace rq
