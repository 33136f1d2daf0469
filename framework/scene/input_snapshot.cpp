#include "framework/scene/input_snapshot.h"
#include "engine/input/polled_input.h"
#include "engine/input/system_events.h"
#include <algorithm>
#include <iterator>

namespace wispwood {

int SnapshotValid = 0;
int SnapshotKeyHits[kSnapshotKeys] = {};
int SnapshotMouseHits[kSnapshotButtons] = {};
int SnapshotChar = 0;
int SnapshotMouseX = 0, SnapshotMouseY = 0;
int MouseOverridden = 0, OverrideMouseX = 0, OverrideMouseY = 0;

void TakeInputSnapshot() {
    PumpSystemEvents();
    SnapshotValid = 1;
    SnapshotMouseX = MouseX();
    SnapshotMouseY = MouseY();
    SnapshotChar = NextTypedChar();
    for (int k = 0; k < kSnapshotKeys; ++k) SnapshotKeyHits[k] = KeyPresses(k);
    for (int b = 0; b < kSnapshotButtons; ++b) SnapshotMouseHits[b] = MouseClicks(b);
}

int GameKeyPresses(int key) {
    if (key < 0 || key >= kSnapshotKeys) return 0;
    return SnapshotValid ? SnapshotKeyHits[key] : KeyPresses(key);
}

int GameMouseClicks(int button) {
    if (button < 0 || button >= kSnapshotButtons) return 0;
    return SnapshotValid ? SnapshotMouseHits[button] : MouseClicks(button);
}

int GameKeyDown(int key) {
    return KeyDown(key);
}
int GameMouseDown(int button) {
    return MouseDown(button);
}
int GameNextTypedChar() {
    return SnapshotValid ? SnapshotChar : NextTypedChar();
}
int GameMouseX() {
    return MouseOverridden ? OverrideMouseX : SnapshotMouseX;
}
int GameMouseY() {
    return MouseOverridden ? OverrideMouseY : SnapshotMouseY;
}
int GameMouseZ() {
    return MouseZ();
}

void OverrideMouse(int x, int y) {
    MouseOverridden = 1;
    OverrideMouseX = x;
    OverrideMouseY = y;
}

void ForceMouseClicks(int button) {
    if (button >= 0 && button < kSnapshotButtons) SnapshotMouseHits[button] = 1;
}

int GameWindowInactive() {
    return MouseOverridden ? 0 : WindowInactive();
}

void ResetInputSnapshot() {
    SnapshotValid = 0;
    std::fill(std::begin(SnapshotKeyHits), std::end(SnapshotKeyHits), 0);
    std::fill(std::begin(SnapshotMouseHits), std::end(SnapshotMouseHits), 0);
    SnapshotChar = SnapshotMouseX = SnapshotMouseY = 0;
    MouseOverridden = OverrideMouseX = OverrideMouseY = 0;
}

} // namespace wispwood
