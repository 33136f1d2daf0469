#pragma once
// Pushing a new row in at the top: the stack moves down a row, row 0 is
// generated afresh (and regenerated until it looks varied enough), and the
// new pieces take up the reveal of the pieces they join below.
namespace wispwood {

// Shifts the grid down one row (the last row falls off), makes a new row 0
// and carries the reveal, the overrides, the paths and the selection along.
void PushRowDown();

// The most attempts CreateTopRow makes at an acceptable row.
constexpr int kTopRowAttempts = 1000;

// Fills row 0 from the level's cell rule until a row is accepted: no
// same-colour group it joins may span half the board's width or two
// thirds of it in height, and the row needs enough changes from cell to
// cell for its standard pieces. After kTopRowAttempts the last row stays.
// Returns the attempts made, or 0 when none was accepted.
int CreateTopRow(int forceNormal);

} // namespace wispwood
