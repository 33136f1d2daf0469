#pragma once
// The game's own mouse pointer: an arrow, or a hand while a gadget has the
// mouse. The scene loop draws it over every scene that asks for it.
#include <cstdint>

namespace wispwood {

// 1 when a gadget took the mouse in this update; later gadgets leave it.
extern int MouseTaken;
// Set by the main menu's quit fade: the pointer's alpha is multiplied by
// PointerAlpha while the override is on.
extern int PointerAlphaOverride;
extern float PointerAlpha;

// The shape for this update (containers and gadgets set it as they update).
void SetPointerHand(int hand);
// 1 when the hand was chosen during the latest update; a shape left from
// an earlier update (a screen without widgets) counts as the arrow.
int PointerIsHand();

// Draws the pointer with its hot spot at (x, y), alpha-blended; while the
// keyboard and pad cursor is in use on a target, that cursor instead.
void DrawGamePointer(int x, int y);
// Hands DrawGamePointer to the scene loop.
void InstallGamePointer();

// Arrow, mouse free, no alpha override.
void ResetPointer();

} // namespace wispwood
