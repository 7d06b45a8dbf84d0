// The street's walking velocities: setting a speed on a course, and the random courses actors start on.
#pragma once

#include <cstdint>

#include "sprite/SpriteEngine.h"
#include "world/World.h"

namespace rq {

// Walking speeds in pixels per tick along an axis (a diagonal takes DiagonalSpeed of them).
inline constexpr std::int16_t kPlayerSpeed = 8;
inline constexpr std::int16_t kCitizenSpeed = 7;

// Keeps the actor's course and gives it `speed`: each moving axis gets ±speed, and on a diagonal
// both are divided by √2 (8 gives 6, 7 gives 5). A standing axis stays 0.
void SetActorSpeed(Sprite& actor, std::int16_t speed);

// Starts an actor walking in one of the eight directions at random, never standing still.
void SetRandomWalkingVelocity(World& w, Sprite& actor, std::int16_t speed);

// Starts an actor walking down the scene: down-left, straight down or down-right at random.
void SetRandomDownwardVelocity(World& w, SpriteEngine& spr, int slot, std::int16_t speed);

}  // namespace rq
