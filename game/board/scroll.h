#pragma once
// The board's creep: the speed control that lets the stack run into free
// room and brake so the lowest piece of each column rests on its danger
// line, and the per-update scroll that pushes a new row in at the top.
namespace wispwood {

// Downward speed of the board in pixels per update.
extern float CurrentSpeed;

// How far the lowest pieces may still travel: the smallest distance of any
// column's lowest piece to that column's danger line (0 with no columns),
// limited to the rest of the current cell once the last row has come.
float FreeSpace();

// One update of the speed control: accelerate while the braking distance
// fits into the free space (and the quota effect has not run), else brake.
void ControlSpeed();

// One update of play: speed control, then the board, its effects and the
// resting score popups move down; a full cell pushes a new row. The game
// scene does not run it while the success or try-again sequence slides the
// board away itself.
void ScrollBoard();

// Standing still (start-up state).
void ResetScroll();

} // namespace wispwood
