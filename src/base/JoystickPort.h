// The joystick port: joystick 0 as the game sees it (the app reads a gamepad; tests fake one).
#pragma once

#include <cstdint>
#include <optional>

namespace rq {

// A stick's position on each axis runs from 0 (left, up) to 65535 (right, down); Buttons is not 0
// while any button is held.
struct JoystickPosition {
    std::uint16_t X = 32768;
    std::uint16_t Y = 32768;
    std::uint32_t Buttons = 0;
};

class JoystickPort {
public:
    virtual ~JoystickPort() = default;
    // Whether joystick 0 is there (a pad plugged in since the last look is found now).
    virtual bool Detect() = 0;
    // The position of joystick 0, or nothing when it cannot be read (none there, or pulled out).
    virtual std::optional<JoystickPosition> ReadPosition() = 0;
};

}  // namespace rq
