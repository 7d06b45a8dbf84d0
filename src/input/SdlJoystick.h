// Joystick 0 through SDL: a game controller SDL knows (left stick, D-pad, face and shoulder buttons),
// or a plain joystick (first two axes, any button).
#pragma once

#include "base/JoystickPort.h"

struct _SDL_Joystick;
struct _SDL_GameController;

namespace rq {

class SdlJoystick : public JoystickPort {
public:
    SdlJoystick();
    ~SdlJoystick() override;
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    bool Detect() override;
    std::optional<JoystickPosition> ReadPosition() override;

private:
    // Takes in SDL's news (pads plugged in or pulled out, moved sticks), then opens joystick 0 if
    // none is open; false when there is none.
    bool Open();
    void Close();

    bool started_ = false;
    _SDL_Joystick* joystick_ = nullptr;
    _SDL_GameController* controller_ = nullptr;
};

}  // namespace rq
