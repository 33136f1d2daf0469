#include "engine/input/virtual_pad.h"
#include <SDL.h>

namespace wispwood {

namespace {

SDL_Joystick* Stick(void* joystick) {
    return static_cast<SDL_Joystick*>(joystick);
}

// The platform turns the pad's state into events when it pumps; the game
// then takes them from the platform's queue.
void Deliver() {
    SDL_PumpEvents();
}

} // namespace

VirtualPad::~VirtualPad() {
    Unplug();
}

bool VirtualPad::PlugIn() {
    if (PluggedIn()) return true;
    // The platform ignores pads while no window has the keyboard, and a
    // headless window never has it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER) && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return false;
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "virtual test pad";
    index_ = SDL_JoystickAttachVirtualEx(&desc);
    if (index_ < 0) return false;
    joystick_ = SDL_JoystickOpen(index_);
    if (!joystick_) {
        SDL_JoystickDetachVirtual(index_);
        index_ = -1;
        return false;
    }
    Deliver();
    return true;
}

void VirtualPad::Unplug() {
    if (!PluggedIn()) return;
    SDL_JoystickClose(Stick(joystick_));
    SDL_JoystickDetachVirtual(index_);
    joystick_ = nullptr;
    index_ = -1;
    Deliver();
}

void VirtualPad::Hold(Button button) {
    SDL_JoystickSetVirtualButton(Stick(joystick_), button, SDL_PRESSED);
    Deliver();
}

void VirtualPad::Release(Button button) {
    SDL_JoystickSetVirtualButton(Stick(joystick_), button, SDL_RELEASED);
    Deliver();
}

void VirtualPad::Lean(Axis axis, int value) {
    SDL_JoystickSetVirtualAxis(Stick(joystick_), axis, static_cast<Sint16>(value));
    Deliver();
}

void VirtualPad::SendRemoved() {
    SDL_Event removed = {};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = SDL_JoystickInstanceID(Stick(joystick_));
    SDL_PushEvent(&removed);
}

} // namespace wispwood
