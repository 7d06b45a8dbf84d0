// A figure walking somewhere that a crowd or a wall holds up steps aside: it notes how long the
// figure has stood still and holds another direction for a few steps. The autoplayer and the restless
// player both walk this way, each with its own patience and its own directions.
#pragma once

#include <cstdint>
#include <optional>

#include "sprite/Sprite.h"

namespace rq {

struct StepAside {
    std::uint16_t Held = 0;  // the direction held while stepping aside (or wandering)
    int HoldFor = 0;         // steps left to hold it
    int Still = 0;           // steps the figure has not moved while walking
    int LastX = 0;
    int LastY = 0;

    // Once a step while walking: notes whether the figure moved since the last look; while a held
    // direction lasts, gives it (one step of it used up).
    std::optional<std::uint16_t> Look(const Sprite& figure);
    // Standing at its goal, or where it means to stand, is not being stuck.
    void NotStuck() { Still = 0; }
    // Steps aside in `direction` for `steps` more steps after this one.
    void Hold(std::uint16_t direction, int steps);
};

}  // namespace rq
