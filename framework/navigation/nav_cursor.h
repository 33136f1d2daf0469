#pragma once
// The keyboard and pad cursor. The arrows (the d-pad and the left stick
// press them) move it to the nearest target in the direction pressed;
// Return, Space or A select there, Backspace or X let go (a right click).
// While it is in use the game's pointer stands on its target, so every
// screen's own mouse handling (hover, glow, outlines, the path preview, a
// click) works unchanged; using the mouse hides it until the next arrow.
// It reads only the input snapshot and the top scene's targets.
#include "engine/core/ref.h"

namespace wispwood {

struct NavTarget;

// One update of the cursor, after the snapshot is taken and before the
// scene's update (the frame loop's Navigate step).
void UpdateNavigation();
// Makes the frame loop run UpdateNavigation every update.
void InstallNavigation();

// 1 while the cursor is in use (shown instead of the mouse pointer).
int NavigationCursorShown();
// The target the cursor is on, or null.
const NavTarget* NavigationTarget();
// Draws the cursor's glowing frame around its target.
void DrawNavigationCursor();
// The frame's pictures.
void LoadNavigationImages();

// What the cursor carries from one screen into the next: whether it is
// shown, where it stood, and where it last saw the mouse. A game replayed
// starts with what the recorded game started with.
struct NavigationCarry {
    bool Shown = false;
    int X = 0, Y = 0;
    bool MouseSeen = false;
    int MouseX = 0, MouseY = 0;
    bool operator==(const NavigationCarry&) const = default;
};
NavigationCarry CarriedNavigation();
void CarryNavigation(const NavigationCarry& carry);

// Hidden, on nothing, remembering nothing.
void ResetNavigation();

} // namespace wispwood
