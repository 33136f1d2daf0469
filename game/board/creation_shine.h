#pragma once
// Pieces restored with a creation fade wait to fade in until the board is
// ready to be looked at.
namespace wispwood {

// 1 while the fade must wait: the board frame is still sliding to its
// place, or the bottle's fill is still catching up with the quota count.
// While the level-complete tally is over the board the game scene holds the
// whole board, so the fade waits then too.
int CreationShineHeld();

} // namespace wispwood
