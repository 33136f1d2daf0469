#pragma once
// Which pieces the player can reach: those touching the open space joined to
// the bottom of the stack, found by a flood from below the lowest piece, and
// the schedule on which newly reachable pieces flip into view.
namespace wispwood {

// Recomputes BoardRows, ReachedGrid, BottomGroups and every piece's Bottom,
// BottomOutside, BottomX, BottomY and BottomGroupID.
void FindReachablePieces();

// Gives every newly reachable piece its reveal delay, row by row from the
// bottom, 15 updates apart.
void ScheduleReveal();

} // namespace wispwood
