#pragma once
// Whether legal pairs remain among the reachable pieces, how many, and one
// to point at.
#include "game/board/board.h"

namespace wispwood {

// Two groups that match, or empty when there is none.
using GroupPair = std::vector<PieceGroup>;

// 1 when no two reachable pieces below row 1 of different groups match.
int NoMatchAvailable();
// The number of disjoint matching group pairs found walking the reachable
// pieces in grid order.
int CountAvailableMatches();
// The first matching pair whose first piece is (or is not) a standard
// piece and of the colour (-1: any). With lowOnly the search runs from the
// end of the grid order and ignores pieces above row 8.
GroupPair FindMatchingPair(int colour, int normal, int lowOnly);
// One pair chosen at random among all matching pieces below row 1, leaving
// out vine bodies and pieces the tutorial keeps the player off.
GroupPair RandomMatchingPair(int colour, int normal);

// Every piece carrying that group id, in grid order.
PieceGroup PiecesOfGroup(int groupId);

} // namespace wispwood
