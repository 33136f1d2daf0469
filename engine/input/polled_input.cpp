#include "engine/input/polled_input.h"
#include "engine/input/clock.h"
#include "engine/input/close_signals.h"
#include "engine/input/event.h"
#include "engine/input/game_controllers.h"
#include "engine/input/key_modifiers.h"
#include "engine/input/system_events.h"
#include "engine/input/timer.h"
#include <array>
#include <deque>
#include <utility>

namespace wispwood {
namespace {

// Keys or mouse buttons: which are held, and the presses not yet taken. A
// press counts once however often the platform repeats it before the release.
template <int N>
struct Buttons {
    std::array<int, N> down{};
    std::array<int, N> hits{};

    static bool Valid(int i) { return i >= 0 && i < N; }
    void Press(int i) {
        if (Valid(i) && !down[i]) down[i] = 1, ++hits[i];
    }
    void Release(int i) {
        if (Valid(i)) down[i] = 0;
    }
    int TakeHits(int i) { return Valid(i) ? std::exchange(hits[i], 0) : 0; }
    int Down(int i) const { return Valid(i) ? down[i] : 0; }
    void Clear() {
        down.fill(0);
        hits.fill(0);
    }
};

struct PolledState {
    int hook = 0; // event hook handle, 0 while disabled
    Buttons<KeyCount> keys;
    std::array<int, KeyCount> pressModifiers{};
    std::deque<int> typed;
    Buttons<MouseButtonCount> mouse;
    int mouseX = 0;
    int mouseY = 0;
    int mouseZ = 0;
    int suspended = 0;
    int terminate = 0;
};

PolledState& Polled() {
    static PolledState state;
    return state;
}

void ClearKeyState() {
    Polled().keys.Clear();
    Polled().pressModifiers.fill(0);
    Polled().typed.clear();
}

void ClearMouseState() {
    Polled().mouse.Clear();
    Polled().mouseZ = 0;
}

void PolledInputHook(const TEvent& event) {
    PolledState& s = Polled();
    switch (event.id) {
    case EventAppSuspend:
    case EventAppResume:
        ClearKeyState();
        ClearMouseState();
        s.suspended = event.id == EventAppSuspend ? 1 : 0;
        break;
    case EventAppTerminate:
        s.terminate = 1;
        break;
    case EventKeyDown:
        if (s.keys.Valid(event.data) && !s.keys.Down(event.data)) s.pressModifiers[event.data] = event.mods;
        s.keys.Press(event.data);
        break;
    case EventKeyUp:
        s.keys.Release(event.data);
        break;
    case EventKeyChar:
        if (int(s.typed.size()) < TypedCharLimit) s.typed.push_back(event.data);
        break;
    case EventMouseDown:
        s.mouse.Press(event.data);
        break;
    case EventMouseUp:
        s.mouse.Release(event.data);
        break;
    case EventMouseMove:
        s.mouseX = event.x;
        s.mouseY = event.y;
        break;
    case EventMouseWheel:
        s.mouseZ += event.data;
        break;
    default:
        break;
    }
}

} // namespace

void EnablePolledInput() {
    PolledState& s = Polled();
    if (!s.hook) s.hook = AddEventHook(PolledInputHook);
    InstallCloseSignalHandlers();
    ClearKeyState();
    ClearMouseState();
    OpenGameControllers();
}

void DisablePolledInput() {
    PolledState& s = Polled();
    if (s.hook) RemoveEventHook(s.hook);
    s.hook = 0;
}

int KeyPresses(int key) {
    PumpSystemEvents();
    return Polled().keys.TakeHits(key);
}

int KeyDown(int key) {
    PumpSystemEvents();
    return Polled().keys.Down(key);
}

int ModifiersAtLastPress(int key) {
    PumpSystemEvents();
    const PolledState& s = Polled();
    return s.keys.Valid(key) ? s.pressModifiers[key] : 0;
}

int NextTypedChar() {
    PumpSystemEvents();
    auto& typed = Polled().typed;
    if (typed.empty()) return 0;
    int code = typed.front();
    typed.pop_front();
    return code;
}

void ClearKeys() {
    PumpSystemEvents();
    ClearKeyState();
}

int MouseClicks(int button) {
    PumpSystemEvents();
    return Polled().mouse.TakeHits(button);
}

int MouseDown(int button) {
    PumpSystemEvents();
    return Polled().mouse.Down(button);
}

int MouseX() {
    PumpSystemEvents();
    return Polled().mouseX;
}

int MouseY() {
    PumpSystemEvents();
    return Polled().mouseY;
}

int MouseZ() {
    PumpSystemEvents();
    return Polled().mouseZ;
}

void ClearMouse() {
    PumpSystemEvents();
    ClearMouseState();
}

void MoveMouse(int x, int y) {
    WarpSystemPointer(x, y);
    Polled().mouseX = x;
    Polled().mouseY = y;
}

void HideMouse() {
    ShowSystemPointer(false);
}
void ShowMouse() {
    ShowSystemPointer(true);
}

int WindowInactive() {
    PumpSystemEvents();
    return Polled().suspended;
}

int CloseRequested() {
    PumpSystemEvents();
    int requested = Polled().terminate;
    Polled().terminate = 0;
    return requested;
}

void ResetInput() {
    DisablePolledInput();
    ResetGameControllers();
    PolledState& s = Polled();
    s = PolledState();
    ResetEvents();
    ResetTimers();
    ResetSystemEvents();
    TakeCloseSignal();
    ResetClock();
}

} // namespace wispwood
