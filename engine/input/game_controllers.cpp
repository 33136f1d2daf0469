#include "engine/input/game_controllers.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "engine/input/polled_input.h"
#include <SDL.h>
#include <array>
#include <map>
#include <vector>

namespace wispwood {
namespace {

// The stick's axes are controls of their own beside the buttons.
constexpr int kStickX = 1000;
constexpr int kStickY = 1001;

struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID instance = -1;
    std::map<int, int> held; // control -> the key it holds
    StickAxis stickX, stickY;
};

struct PadState {
    std::vector<Pad> pads;
    // How many controls of all pads hold each key: the key goes down with
    // the first and up with the last, so the d-pad and the stick leaning
    // the same way make one press.
    std::array<int, KeyCount> holds{};
};

PadState& Pads() {
    static PadState state;
    return state;
}

void EmitKey(int id, int key) {
    TEvent event;
    event.id = id;
    event.data = key;
    EmitEvent(event);
}

void Release(Pad& pad, int control) {
    auto found = pad.held.find(control);
    if (found == pad.held.end()) return;
    int key = found->second;
    pad.held.erase(found);
    if (--Pads().holds[key] == 0) EmitKey(EventKeyUp, key);
}

void Press(Pad& pad, int control, int key) {
    auto found = pad.held.find(control);
    if (found != pad.held.end() && found->second == key) return;
    Release(pad, control);
    pad.held[control] = key;
    if (Pads().holds[key]++ == 0) EmitKey(EventKeyDown, key);
}

Pad* FindPad(SDL_JoystickID instance) {
    for (Pad& pad : Pads().pads)
        if (pad.instance == instance) return &pad;
    return nullptr;
}

void OpenPad(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (instance < 0 || FindPad(instance)) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    Pad pad;
    pad.controller = controller;
    pad.instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    Pads().pads.push_back(pad);
}

// A pad pulled out mid-press must not leave its keys held.
void ClosePad(SDL_JoystickID instance) {
    auto& pads = Pads().pads;
    for (auto it = pads.begin(); it != pads.end(); ++it) {
        if (it->instance != instance) continue;
        while (!it->held.empty()) Release(*it, it->held.begin()->first);
        SDL_GameControllerClose(it->controller);
        pads.erase(it);
        return;
    }
}

void MoveStick(Pad& pad, int axis, int value) {
    StickAxis& stick = axis == SDL_CONTROLLER_AXIS_LEFTX ? pad.stickX : pad.stickY;
    int control = axis == SDL_CONTROLLER_AXIS_LEFTX ? kStickX : kStickY;
    int direction = stick.Move(value);
    if (direction == 0) {
        Release(pad, control);
        return;
    }
    int key = axis == SDL_CONTROLLER_AXIS_LEFTX ? (direction < 0 ? KeyArrowLeft : KeyArrowRight)
                                                : (direction < 0 ? KeyArrowUp : KeyArrowDown);
    Press(pad, control, key);
}

// The key a controller button presses, or 0.
int ControllerButtonKey(int sdlButton) {
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return KeyArrowUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return KeyArrowDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return KeyArrowLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return KeyArrowRight;
    case SDL_CONTROLLER_BUTTON_A:
        return KeyReturn;
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_BACK:
        return KeyEscape;
    case SDL_CONTROLLER_BUTTON_START:
        return KeyPause;
    case SDL_CONTROLLER_BUTTON_X:
        return KeyBackspace;
    default:
        return 0;
    }
}

} // namespace

int StickAxis::Move(int value) {
    if (value <= -PressAt)
        held_ = -1;
    else if (value >= PressAt)
        held_ = 1;
    else if (value > -ReleaseAt && value < ReleaseAt)
        held_ = 0;
    return held_;
}

void OpenGameControllers() {
    // Started once and kept, like the display's own connection: pads stay
    // known across display reopenings.
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER) && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    for (int i = 0, n = SDL_NumJoysticks(); i < n; ++i) OpenPad(i);
}

int GameControllerCount() {
    return static_cast<int>(Pads().pads.size());
}

void ResetGameControllers() {
    for (Pad& pad : Pads().pads) SDL_GameControllerClose(pad.controller);
    Pads() = PadState();
}

bool TranslateControllerEvent(const SDL_Event& e) {
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        OpenPad(e.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        ClosePad(e.cdevice.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        Pad* pad = FindPad(e.cbutton.which);
        int key = ControllerButtonKey(e.cbutton.button);
        if (!pad || key == 0) return true;
        if (e.type == SDL_CONTROLLERBUTTONDOWN)
            Press(*pad, e.cbutton.button, key);
        else
            Release(*pad, e.cbutton.button);
        return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
        Pad* pad = FindPad(e.caxis.which);
        if (pad && (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY))
            MoveStick(*pad, e.caxis.axis, e.caxis.value);
        return true;
    }
    default:
        return false;
    }
}

} // namespace wispwood
