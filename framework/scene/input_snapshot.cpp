#include "framework/scene/input_snapshot.h"
#include "engine/input/key_modifiers.h"
#include "engine/input/polled_input.h"
#include "engine/input/system_events.h"
#include "framework/scene/input_playback.h"
#include <algorithm>
#include <iterator>

namespace wispwood {

int SnapshotValid = 0;
int SnapshotKeyHits[kSnapshotKeys] = {};
int SnapshotMouseHits[kSnapshotButtons] = {};
int SnapshotChar = 0;
int SnapshotMouseX = 0, SnapshotMouseY = 0;
int MouseOverridden = 0, OverrideMouseX = 0, OverrideMouseY = 0;
SnapshotInput TakenInput;
int PointerPlaced = 0, PlacedPointerX = 0, PlacedPointerY = 0;
int UpdatesSinceInput = 0;

namespace {

// Held keys and buttons as of the snapshot: an update that asks whether one
// is held gets the answer of the input it was given, whenever it asks.
int gKeysDown[kSnapshotKeys] = {};
int gKeyModifiers[kSnapshotKeys] = {};

SnapshotInput ReadPlatformInput() {
    SnapshotInput in;
    in.MouseX = MouseX();
    in.MouseY = MouseY();
    in.Typed = NextTypedChar();
    for (int k = 0; k < kSnapshotKeys; ++k) {
        if (int hits = KeyPresses(k)) in.KeyPresses.push_back({k, hits, ModifiersAtLastPress(k)});
        if (KeyDown(k)) in.KeysDown.push_back(k);
    }
    for (int b = 0; b < kSnapshotButtons; ++b) {
        in.ButtonHits[b] = MouseClicks(b);
        if (MouseDown(b)) in.ButtonsDown |= 1 << b;
    }
    in.WindowInactive = WindowInactive();
    return in;
}

void ApplyInput(const SnapshotInput& in) {
    SnapshotMouseX = in.MouseX;
    SnapshotMouseY = in.MouseY;
    SnapshotChar = in.Typed;
    std::fill(std::begin(SnapshotKeyHits), std::end(SnapshotKeyHits), 0);
    std::fill(std::begin(gKeyModifiers), std::end(gKeyModifiers), 0);
    for (const KeyPress& press : in.KeyPresses) {
        if (press.Key < 0 || press.Key >= kSnapshotKeys) continue;
        SnapshotKeyHits[press.Key] = press.Count;
        gKeyModifiers[press.Key] = press.Modifiers;
    }
    std::fill(std::begin(gKeysDown), std::end(gKeysDown), 0);
    for (int k : in.KeysDown)
        if (k >= 0 && k < kSnapshotKeys) gKeysDown[k] = 1;
    std::copy(in.ButtonHits.begin(), in.ButtonHits.end(), SnapshotMouseHits);
}

// Anything the player did since the last snapshot: moved, clicked, dragged,
// typed or pressed a key.
bool PlayerActed(const SnapshotInput& in, int oldX, int oldY) {
    return in.MouseX != oldX || in.MouseY != oldY || HasPresses(in) || (in.ButtonsDown & ~1) != 0;
}

} // namespace

bool HasPresses(const SnapshotInput& input) {
    return input.Typed != 0 || !input.KeyPresses.empty() ||
           std::any_of(input.ButtonHits.begin(), input.ButtonHits.end(), [](int hits) { return hits != 0; });
}

void ClearPresses(SnapshotInput& input) {
    input.ButtonHits.fill(0);
    input.KeyPresses.clear();
    input.Typed = 0;
}

void TakeInputSnapshot() {
    PumpSystemEvents();
    TakeInputSnapshot(InputForSnapshot(ReadPlatformInput()));
}

void TakeInputSnapshot(const SnapshotInput& input) {
    int oldX = SnapshotMouseX, oldY = SnapshotMouseY;
    SnapshotValid = 1;
    TakenInput = input;
    ApplyInput(TakenInput);
    if (PlayerActed(TakenInput, oldX, oldY))
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

bool GameAnyKeyOrClick() {
    if (GameMouseClicks(1) || GameMouseClicks(2)) return true;
    for (int key = 0; key < kSnapshotKeys; ++key)
        if (GameKeyPresses(key)) return true;
    return false;
}

int GameKeyDown(int key) {
    if (key < 0 || key >= kSnapshotKeys) return 0;
    return SnapshotValid ? gKeysDown[key] : KeyDown(key);
}

int GameMouseDown(int button) {
    if (button < 0 || button >= kSnapshotButtons) return 0;
    return SnapshotValid ? (TakenInput.ButtonsDown >> button) & 1 : MouseDown(button);
}

int GameKeyModifiers(int key) {
    if (key < 0 || key >= kSnapshotKeys) return 0;
    return SnapshotValid ? gKeyModifiers[key] : ModifiersAtLastPress(key);
}

int GameNextTypedChar() {
    return SnapshotValid ? SnapshotChar : NextTypedChar();
}
int GameMouseX() {
    return MouseOverridden ? OverrideMouseX : PointerPlaced ? PlacedPointerX : SnapshotMouseX;
}
int GameMouseY() {
    return MouseOverridden ? OverrideMouseY : PointerPlaced ? PlacedPointerY : SnapshotMouseY;
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

void ReleaseMouse() {
    MouseOverridden = 0;
}

void ForceMouseClicks(int button) {
    UpdatesSinceInput = 0;
    if (button >= 0 && button < kSnapshotButtons) SnapshotMouseHits[button] = 1;
}

void PlacePointer(int x, int y) {
    PointerPlaced = 1;
    PlacedPointerX = x;
    PlacedPointerY = y;
}

void ReleasePointer() {
    PointerPlaced = PlacedPointerX = PlacedPointerY = 0;
}

int GameWindowInactive() {
    if (MouseOverridden) return 0;
    return SnapshotValid ? TakenInput.WindowInactive : WindowInactive();
}

void ResetInputSnapshot() {
    SnapshotValid = 0;
    std::fill(std::begin(SnapshotKeyHits), std::end(SnapshotKeyHits), 0);
    std::fill(std::begin(SnapshotMouseHits), std::end(SnapshotMouseHits), 0);
    std::fill(std::begin(gKeysDown), std::end(gKeysDown), 0);
    std::fill(std::begin(gKeyModifiers), std::end(gKeyModifiers), 0);
    SnapshotChar = SnapshotMouseX = SnapshotMouseY = 0;
    MouseOverridden = OverrideMouseX = OverrideMouseY = 0;
    ReleasePointer();
    TakenInput = SnapshotInput{};
    UpdatesSinceInput = 0;
}

} // namespace wispwood
