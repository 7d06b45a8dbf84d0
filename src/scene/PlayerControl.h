// The player's figure (slot 109) in the street: the held keys as a course, walking, the figure's
// velocity, stepping off a standing train and the view that follows the figure.
#pragma once

#include <cstdint>
#include <optional>

#include "scene/SceneContext.h"

namespace rq {

// A course: -1, 0 or 1 on each axis (up and left are -1).
struct Course {
    std::int16_t dx = 0;
    std::int16_t dy = 0;
};

// The course of the held direction bits: one direction bit, or one of the pairs up+right,
// right+down, down+left, left+up. Nothing for any other combination (none, opposite keys, a
// diagonal key with another key, three keys).
std::optional<Course> HeldCourse(std::uint16_t inputBits);

// The held direction bits form an allowed move.
bool IsValidDirection(const Scene& scene);

// The figure walks (animates) while the move is allowed; otherwise it stands still.
void UpdatePlayerWalking(SceneContext& ctx, bool ok);

// The figure's velocity from the held keys: 8 along an axis, 6 on a diagonal; standing while the
// ticket window is open.
void SetPlayerVelocity(SceneContext& ctx);

// What the figure runs into on its next step (once per collision pass): the ticket office and the
// capitol stop it; the track boards the standing train in the last ticks of its stop, or when it is
// the train chosen in the ticket window, else stops it; a wall stops it; a citizen crossing its path
// turns back, one in its way is pushed on and the figure stops; a fuzzy's touch counts. Nothing for
// a hidden or fuzzed player.
void PlayerCollisions(SceneContext& ctx);

// The tick's steering: the held keys make the figure walk or stand, and set its velocity. A fuzzed
// player ignores the keys.
void SteerPlayer(SceneContext& ctx);

// Moves the figure; a boarded figure steps off a standing train with a downward key while the
// station is on screen; then the view follows.
void MovePlayerAndView(SceneContext& ctx);

// The view follows the figure's centre, at most one column and one row per tick; a centre exactly
// on a boundary keeps the view. It follows a hidden (boarded) figure too.
void FollowPlayer(SpriteEngine& spr);

}  // namespace rq
