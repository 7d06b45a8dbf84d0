// Walking velocities, shared by arrivals, the street's actors and the player.
#include "world/Velocity.h"

#include "base/Rounding.h"

namespace rq {

namespace {

std::int16_t Signed(std::int16_t v, std::int16_t speed) {
    return static_cast<std::int16_t>(v > 0 ? speed : (v < 0 ? -speed : 0));
}

// Diagonal components are the straight speed divided by √2.
void ScaleDiagonal(Sprite& actor) {
    if (actor.VX != 0 && actor.VY != 0) {
        actor.VX = DiagonalSpeed(actor.VX);
        actor.VY = DiagonalSpeed(actor.VY);
    }
}

}  // namespace

void SetActorSpeed(Sprite& actor, std::int16_t speed) {
    actor.VX = Signed(actor.VX, speed);
    actor.VY = Signed(actor.VY, speed);
    ScaleDiagonal(actor);
}

void SetRandomWalkingVelocity(World& w, Sprite& actor, std::int16_t speed) {
    do {
        actor.VX = static_cast<std::int16_t>((w.Rng.Below(3) - 1) * speed);
        actor.VY = static_cast<std::int16_t>((w.Rng.Below(3) - 1) * speed);
    } while (actor.VX == 0 && actor.VY == 0);
    ScaleDiagonal(actor);
}

void SetRandomDownwardVelocity(World& w, SpriteEngine& spr, int slot, std::int16_t speed) {
    Sprite& s = spr[slot];
    switch (w.Rng.Below(3)) {
        case 0:
            s.VY = DiagonalSpeed(speed);
            s.VX = DiagonalSpeed(-speed);
            break;
        case 1:
            s.VY = speed;
            s.VX = 0;
            break;
        default:
            s.VY = DiagonalSpeed(speed);
            s.VX = DiagonalSpeed(speed);
            break;
    }
}

}  // namespace rq
