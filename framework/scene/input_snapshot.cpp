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
int UpdatesSinceInput = 0;

namespace {
// Anything the player did since the last snapshot: moved, clicked, dragged,
// typed or pressed a key.
bool PlayerActed(int oldX, int oldY) {
    if (SnapshotMouseX != oldX || SnapshotMouseY != oldY || SnapshotChar) return true;
    for (int hits : SnapshotMouseHits)
        if (hits) return true;
    for (int b = 1; b < kSnapshotButtons; ++b)
        if (MouseDown(b)) return true;
    return std::any_of(std::begin(SnapshotKeyHits), std::end(SnapshotKeyHits), [](int hits) { return hits != 0; });
}
} // namespace

void TakeInputSnapshot() {
    PumpSystemEvents();
    int oldX = SnapshotMouseX, oldY = SnapshotMouseY;
    SnapshotValid = 1;
    SnapshotMouseX = MouseX();
    SnapshotMouseY = MouseY();
    SnapshotChar = NextTypedChar();
    for (int k = 0; k < kSnapshotKeys; ++k) SnapshotKeyHits[k] = KeyPresses(k);
    for (int b = 0; b < kSnapshotButtons; ++b) SnapshotMouseHits[b] = MouseClicks(b);
    if (PlayerActed(oldX, oldY))
        UpdatesSinceInput = 0;
    else if (UpdatesSinceInput < 1 << 30)
        ++UpdatesSinceInput;
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

// Automatic play counts as a player acting.
void OverrideMouse(int x, int y) {
    UpdatesSinceInput = 0;
    MouseOverridden = 1;
    OverrideMouseX = x;
    OverrideMouseY = y;
}

void ForceMouseClicks(int button) {
    UpdatesSinceInput = 0;
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
    UpdatesSinceInput = 0;
}

} // namespace wispwood
