// Control by joystick: the stick's thresholds, the failed read, and the two control-mode entries.
#include "scene/Joystick.h"

namespace rq {

namespace {

constexpr std::uint16_t kLowEnd = 4096;    // at or below: full left or full up
constexpr std::uint16_t kHighEnd = 61440;  // at or above: full right or full down

}  // namespace

std::uint16_t JoystickInputBits(const JoystickPosition& position) {
    std::uint16_t bits = 0;
    if (position.X <= kLowEnd) bits |= kInputLeft;
    if (position.X >= kHighEnd) bits |= kInputRight;
    if (position.Y <= kLowEnd) bits |= kInputUp;
    if (position.Y >= kHighEnd) bits |= kInputDown;
    if (position.Buttons != 0) bits |= kInputAction;
    return bits;
}

std::optional<std::uint16_t> ReadJoystick(Scene& scene, ScenePort& port) {
    const std::optional<JoystickPosition> position =
        scene.Joystick != nullptr ? scene.Joystick->ReadPosition() : std::nullopt;
    if (!position) {
        port.ShowExclamation("Joystick Error!");
        scene.JoystickMode = false;
        port.SyncMenus();
        return std::nullopt;
    }
    return JoystickInputBits(*position);
}

void SwitchToJoystick(Scene& scene, MessagePort& messages) {
    if (scene.Joystick == nullptr || !scene.Joystick->Detect()) {
        messages.ShowExclamation("Cannot detect the joystick!");
        return;
    }
    scene.JoystickMode = true;
}

void SwitchToKeyboard(Scene& scene) {
    scene.JoystickMode = false;
}

void RestoreControlMode(Scene& scene, bool savedJoystickMode) {
    scene.JoystickMode = savedJoystickMode && scene.Joystick != nullptr && scene.Joystick->ReadPosition().has_value();
}

}  // namespace rq
