#include "engine/input/polled_input.h"
#include "engine/input/clock.h"
#include "engine/input/close_signals.h"
#include "engine/input/event.h"
#include "engine/input/system_events.h"
#include "engine/input/timer.h"
#include <array>
#include <deque>

namespace wispwood {
namespace {

struct PolledState {
    int hook = 0; // event hook handle, 0 while disabled
    std::array<int, KeyCount> keyDown{};
    std::array<int, KeyCount> keyHits{};
    std::deque<int> typed;
    std::array<int, MouseButtonCount> mouseDown{};
    std::array<int, MouseButtonCount> mouseHits{};
    int mouseX = 0;
    int mouseY = 0;
    int mouseZ = 0;
    int suspended = 0;
    int terminate = 0;
};

PolledState& State() {
    static PolledState state;
    return state;
}

bool ValidKey(int key) {
    return key >= 0 && key < KeyCount;
}
bool ValidButton(int button) {
    return button >= 0 && button < MouseButtonCount;
}

void ClearKeyState() {
    PolledState& s = State();
    s.keyDown.fill(0);
    s.keyHits.fill(0);
    s.typed.clear();
}

void ClearMouseState() {
    PolledState& s = State();
    s.mouseDown.fill(0);
    s.mouseHits.fill(0);
    s.mouseZ = 0;
}

void PolledInputHook(const TEvent& event) {
    PolledState& s = State();
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
        if (ValidKey(event.data) && !s.keyDown[event.data]) {
            s.keyDown[event.data] = 1;
            ++s.keyHits[event.data];
        }
        break;
    case EventKeyUp:
        if (ValidKey(event.data)) s.keyDown[event.data] = 0;
        break;
    case EventKeyChar:
        if (int(s.typed.size()) < TypedCharLimit) s.typed.push_back(event.data);
        break;
    case EventMouseDown:
        if (ValidButton(event.data) && !s.mouseDown[event.data]) {
            s.mouseDown[event.data] = 1;
            ++s.mouseHits[event.data];
        }
        break;
    case EventMouseUp:
        if (ValidButton(event.data)) s.mouseDown[event.data] = 0;
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
    PolledState& s = State();
    if (!s.hook) s.hook = AddEventHook(PolledInputHook);
    InstallCloseSignalHandlers();
    ClearKeyState();
    ClearMouseState();
}

void DisablePolledInput() {
    PolledState& s = State();
    if (s.hook) RemoveEventHook(s.hook);
    s.hook = 0;
}

int KeyPresses(int key) {
    PumpSystemEvents();
    if (!ValidKey(key)) return 0;
    int hits = State().keyHits[key];
    State().keyHits[key] = 0;
    return hits;
}

int KeyDown(int key) {
    PumpSystemEvents();
    return ValidKey(key) ? State().keyDown[key] : 0;
}

int NextTypedChar() {
    PumpSystemEvents();
    auto& typed = State().typed;
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
    if (!ValidButton(button)) return 0;
    int hits = State().mouseHits[button];
    State().mouseHits[button] = 0;
    return hits;
}

int MouseDown(int button) {
    PumpSystemEvents();
    return ValidButton(button) ? State().mouseDown[button] : 0;
}

int MouseX() {
    PumpSystemEvents();
    return State().mouseX;
}

int MouseY() {
    PumpSystemEvents();
    return State().mouseY;
}

int MouseZ() {
    PumpSystemEvents();
    return State().mouseZ;
}

void ClearMouse() {
    PumpSystemEvents();
    ClearMouseState();
}

void MoveMouse(int x, int y) {
    WarpSystemPointer(x, y);
    State().mouseX = x;
    State().mouseY = y;
}

void HideMouse() {
    ShowSystemPointer(false);
}
void ShowMouse() {
    ShowSystemPointer(true);
}

int WindowInactive() {
    PumpSystemEvents();
    return State().suspended;
}

int CloseRequested() {
    PumpSystemEvents();
    int requested = State().terminate;
    State().terminate = 0;
    return requested;
}

void ResetInput() {
    DisablePolledInput();
    PolledState& s = State();
    s = PolledState();
    ResetEvents();
    ResetTimers();
    ResetSystemEvents();
    TakeCloseSignal();
    ResetClock();
}

} // namespace wispwood
