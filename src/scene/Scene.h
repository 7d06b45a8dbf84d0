// The city scene's state between ticks: the player's input and train choice, the banner, the
// collision passes and the meeting log.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/JoystickPort.h"
#include "sprite/SpriteEngine.h"
#include "sprite/Surface.h"

namespace rq {

// InputBits: the held directions (low byte) and the action button.
inline constexpr std::uint16_t kInputUp = 1;
inline constexpr std::uint16_t kInputUpRight = 2;
inline constexpr std::uint16_t kInputRight = 4;
inline constexpr std::uint16_t kInputDownRight = 8;
inline constexpr std::uint16_t kInputDown = 16;
inline constexpr std::uint16_t kInputDownLeft = 32;
inline constexpr std::uint16_t kInputLeft = 64;
inline constexpr std::uint16_t kInputUpLeft = 128;
inline constexpr std::uint16_t kInputDirections = 0xFF;
inline constexpr std::uint16_t kInputAction = 256;

struct Scene {
    std::uint16_t InputBits = 0;       // held directions and the action button
    bool JoystickMode = false;         // the joystick, not the keyboard, gives InputBits
    JoystickPort* Joystick = nullptr;  // joystick 0; none: the joystick is never found
    std::int16_t SelectedTrain = 0;    // the train slot chosen in the ticket window, 0 = none
    bool DepartureBannerOn = false;    // the departure banner blinks while true
    bool BannerVisible = false;        // the banner strip shows at this moment of its blink
    bool ActorPassAgain = false;       // one more collision pass is wanted within this tick
    int LastCollisionPasses = 0;       // how many collision passes the last city tick ran
    // The meeting log of one tick: the person and the fuzzy of each meeting, by slot.
    std::vector<std::pair<std::int16_t, std::int16_t>> Meetings;
    Surface View{640, 377};              // the view shown on screen, filled by each city tick
    std::vector<PixelRect> ViewChanged;  // the blocks of View the last city tick changed
    std::string TransitRoute;            // "city -> destination" of the journey under way
};

}  // namespace rq
