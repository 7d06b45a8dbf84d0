// Control by joystick: reading the stick into the player's input, and switching between the
// keyboard and the joystick.
#pragma once

#include <cstdint>
#include <optional>

#include "base/JoystickPort.h"
#include "base/MessagePort.h"
#include "scene/Scene.h"
#include "scene/SceneContext.h"

namespace rq {

// The input a stick position gives: 64 left at X ≤ 4096, 4 right at X ≥ 61440, 1 up at Y ≤ 4096,
// 16 down at Y ≥ 61440, 256 while a button is held. The stick never gives a diagonal bit.
std::uint16_t JoystickInputBits(const JoystickPosition& position);

// Before a city tick in joystick mode: the InputBits the stick gives. A failed read says
// "Joystick Error!" and falls back to the keyboard, giving none (InputBits stay as they were).
std::optional<std::uint16_t> ReadJoystick(Scene& scene, ScenePort& port);

// "Switch to &Joystick": joystick mode when a joystick is there, else "Cannot detect the joystick!".
void SwitchToJoystick(Scene& scene, MessagePort& messages);
// "Switch to &Keyboard".
void SwitchToKeyboard(Scene& scene);

// Start-up: a saved joystick mode is kept only when the joystick answers; no message otherwise.
void RestoreControlMode(Scene& scene, bool savedJoystickMode);

}  // namespace rq
