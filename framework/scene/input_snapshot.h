#pragma once
// The input state that game code sees: taken once at the start of every
// update, so every query within one update agrees, and nothing an update
// does reads the platform's live state. Game code uses these instead of the
// engine's polled input.
#include <array>
#include <vector>

namespace wispwood {

constexpr int kSnapshotKeys = 255;
constexpr int kSnapshotButtons = 4;

// A key pressed since the last snapshot: how many times, and the modifier
// keys (Modifier... of event.h) held at its last press.
struct KeyPress {
    int Key = 0;
    int Count = 0;
    int Modifiers = 0;
    bool operator==(const KeyPress&) const = default;
};

// One update's input as it was taken, before any key was taken out of it
// for the keys that work everywhere: everything an update may ask about.
struct SnapshotInput {
    int MouseX = 0, MouseY = 0;
    int ButtonsDown = 0;       // bit b: button b held
    std::vector<int> KeysDown; // held keys, ascending
    int WindowInactive = 0;
    std::array<int, kSnapshotButtons> ButtonHits{};
    std::vector<KeyPress> KeyPresses; // ascending by key
    int Typed = 0;

    bool operator==(const SnapshotInput&) const = default;
};

// Whether the input brings a press or a typed character.
bool HasPresses(const SnapshotInput& input);
// Takes the presses and the typed character out, leaving what is held.
void ClearPresses(SnapshotInput& input);

extern int SnapshotValid;
extern int SnapshotKeyHits[kSnapshotKeys];
extern int SnapshotMouseHits[kSnapshotButtons];
extern int SnapshotChar;
extern int SnapshotMouseX, SnapshotMouseY;
extern int MouseOverridden, OverrideMouseX, OverrideMouseY;
// The input of the last snapshot as taken.
extern SnapshotInput TakenInput;
// While the keyboard and pad cursor is in use (framework/navigation), the
// game's pointer stands where it points instead of where the mouse is.
extern int PointerPlaced, PlacedPointerX, PlacedPointerY;
// Snapshots taken since the player last moved the mouse, clicked, held a
// button or pressed a key.
extern int UpdatesSinceInput;

// Takes the snapshot (processing pending platform messages first) of the
// platform's input, or of a recording's while one plays back
// (input_playback.h).
void TakeInputSnapshot();
// Takes the snapshot of this input instead: a player the program plays
// itself.
void TakeInputSnapshot(const SnapshotInput& input);

int GameKeyPresses(int key);
int GameMouseClicks(int button);
int GameKeyDown(int key);
int GameMouseDown(int button);
// The modifier keys held when the key was pressed in this update (0 when
// it was not).
int GameKeyModifiers(int key);
// A key pressed, or the left or right button clicked, in this update: the
// player asks to go on.
bool GameAnyKeyOrClick();
int GameNextTypedChar();
int GameMouseX();
int GameMouseY();
int GameMouseZ();
// Fixes the mouse position until it is released (automatic play).
void OverrideMouse(int x, int y);
// The player's own mouse again, from the next query on.
void ReleaseMouse();
// A simulated click of the button for the rest of this update.
void ForceMouseClicks(int button);
// Stands the game's pointer at (x, y) until ReleasePointer; the mouse's own
// position stays in SnapshotMouseX and SnapshotMouseY.
void PlacePointer(int x, int y);
void ReleasePointer();
int GameWindowInactive();

void ResetInputSnapshot();

} // namespace wispwood
