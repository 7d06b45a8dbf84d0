// Joystick 0 through SDL. SDL's events are pumped on each look, from the game's own loop; SDL never
// installs signal handlers.
#include "input/SdlJoystick.h"

#include <SDL.h>

namespace rq {

namespace {

// SDL's -32768..32767 as the game's 0..65535.
std::uint16_t Position(Sint16 axis) {
    return static_cast<std::uint16_t>(static_cast<int>(axis) + 32768);
}

// A pressed direction pad puts its axis at the end: low for left or up, high for right or down.
std::uint16_t WithPad(std::uint16_t axis, bool low, bool high) {
    if (low) return 0;
    if (high) return 65535;
    return axis;
}

bool IsPadButton(SDL_GameControllerButton b) {
    return b == SDL_CONTROLLER_BUTTON_DPAD_UP || b == SDL_CONTROLLER_BUTTON_DPAD_DOWN ||
           b == SDL_CONTROLLER_BUTTON_DPAD_LEFT || b == SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
}

}  // namespace

SdlJoystick::SdlJoystick() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The game's window is Qt's, so SDL would think the game is always in the background.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetMainReady();
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlJoystick::~SdlJoystick() {
    Close();
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

void SdlJoystick::Close() {
    if (controller_ != nullptr) {
        SDL_GameControllerClose(controller_);  // closes its joystick too
    } else if (joystick_ != nullptr) {
        SDL_JoystickClose(joystick_);
    }
    controller_ = nullptr;
    joystick_ = nullptr;
}

bool SdlJoystick::Open() {
    if (!started_) {
        return false;
    }
    SDL_PumpEvents();
    // Nothing waits for SDL's events: the state is read directly.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (joystick_ != nullptr && SDL_JoystickGetAttached(joystick_) == SDL_TRUE) {
        return true;
    }
    Close();
    if (SDL_NumJoysticks() < 1) {
        return false;
    }
    if (SDL_IsGameController(0) == SDL_TRUE) {
        controller_ = SDL_GameControllerOpen(0);
        if (controller_ != nullptr) {
            joystick_ = SDL_GameControllerGetJoystick(controller_);
        }
    }
    if (joystick_ == nullptr) {
        joystick_ = SDL_JoystickOpen(0);
    }
    return joystick_ != nullptr;
}

bool SdlJoystick::Detect() {
    return Open();
}

std::optional<JoystickPosition> SdlJoystick::ReadPosition() {
    if (!Open()) {
        return std::nullopt;
    }
    JoystickPosition p;
    if (controller_ != nullptr) {
        const auto held = [this](SDL_GameControllerButton b) {
            return SDL_GameControllerGetButton(controller_, b) != 0;
        };
        p.X = WithPad(Position(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTX)),
                      held(SDL_CONTROLLER_BUTTON_DPAD_LEFT), held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT));
        p.Y = WithPad(Position(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTY)),
                      held(SDL_CONTROLLER_BUTTON_DPAD_UP), held(SDL_CONTROLLER_BUTTON_DPAD_DOWN));
        // Every button is the action button, as on a plain joystick, except the direction pad, which
        // steers, and the guide button, which belongs to the system.
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
            const auto button = static_cast<SDL_GameControllerButton>(b);
            if (button != SDL_CONTROLLER_BUTTON_GUIDE && !IsPadButton(button) && held(button)) {
                p.Buttons |= 1u << b;
            }
        }
        return p;
    }
    if (SDL_JoystickNumAxes(joystick_) >= 2) {
        p.X = Position(SDL_JoystickGetAxis(joystick_, 0));
        p.Y = Position(SDL_JoystickGetAxis(joystick_, 1));
    }
    if (SDL_JoystickNumHats(joystick_) >= 1) {
        const Uint8 hat = SDL_JoystickGetHat(joystick_, 0);
        p.X = WithPad(p.X, (hat & SDL_HAT_LEFT) != 0, (hat & SDL_HAT_RIGHT) != 0);
        p.Y = WithPad(p.Y, (hat & SDL_HAT_UP) != 0, (hat & SDL_HAT_DOWN) != 0);
    }
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int i = 0; i < buttons; ++i) {
        if (SDL_JoystickGetButton(joystick_, i) != 0) p.Buttons |= 1u << (i % 32);
    }
    return p;
}

}  // namespace rq
