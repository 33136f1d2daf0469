#pragma once
// The input state that game code sees: taken once at the start of every
// update, so every query within one update agrees. Game code uses these
// instead of the engine's polled input.

namespace wispwood {

constexpr int kSnapshotKeys = 255;
constexpr int kSnapshotButtons = 4;

extern int SnapshotValid;
extern int SnapshotKeyHits[kSnapshotKeys];
extern int SnapshotMouseHits[kSnapshotButtons];
extern int SnapshotChar;
extern int SnapshotMouseX, SnapshotMouseY;
extern int MouseOverridden, OverrideMouseX, OverrideMouseY;
// Snapshots taken since the player last moved the mouse, clicked, held a
// button or pressed a key.
extern int UpdatesSinceInput;

// Takes the snapshot (processing pending platform messages first).
void TakeInputSnapshot();

int GameKeyPresses(int key);
int GameMouseClicks(int button);
int GameKeyDown(int key);
int GameMouseDown(int button);
int GameNextTypedChar();
int GameMouseX();
int GameMouseY();
int GameMouseZ();
// Fixes the mouse position for the rest of the run (automatic test play).
void OverrideMouse(int x, int y);
// A simulated click of the button for the rest of this update.
void ForceMouseClicks(int button);
int GameWindowInactive();

void ResetInputSnapshot();

} // namespace wispwood
