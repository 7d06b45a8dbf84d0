// Stepping aside when held up: the stillness counted at each look, the held direction used up.
#include "autoplay/StepAside.h"

namespace rq {

std::optional<std::uint16_t> StepAside::Look(const Sprite& figure) {
    Still = (figure.X == LastX && figure.Y == LastY) ? Still + 1 : 0;
    LastX = figure.X;
    LastY = figure.Y;
    if (HoldFor > 0) {
        --HoldFor;
        return Held;
    }
    return std::nullopt;
}

void StepAside::Hold(std::uint16_t direction, int steps) {
    Held = direction;
    HoldFor = steps;
    Still = 0;
}

}  // namespace rq
