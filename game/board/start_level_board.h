#pragma once
// The board a level starts with: ten generated rows, the lowest five of them
// partly dictated by a tutorial layout on the levels that teach something.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class Piece;

// Codes of a tutorial layout cell: 0 and up a standard piece of that colour.
enum TutorialCode {
    kTutorialKeep = -1,
    kTutorialDestroyVertical = -2,
    kTutorialEmpty = -3,
    kTutorialHover = -4,
    kTutorialBomb = -5,
    kTutorialExtraLife = -6,
    kTutorialEarthquake = -7,
    kTutorialDestroyHorizontal = -8,
    kTutorialPick = -9,
    kTutorialGem = -10,
    kTutorialRainbow = -11,
    kTutorialStone = -12,
    kTutorialUnlocker = -13,
};

// Five rows, top to bottom, that end up as board rows 5 to 9. A row may be
// shorter or longer than the board; only the columns both have are used.
using TutorialLayout = std::vector<std::vector<int>>;

// The layout of a level number, or null when the level has none.
const TutorialLayout* TutorialLayoutFor(int level);

// The piece a layout code stands for (null for keep, empty and unknown codes).
Ref<Piece> PieceFromTutorialCode(int code);

// Builds the starting board of the current level: the grid re-created at
// the level's width, the column stacks afresh, and unless this is a retry or
// a bonus level ten rows generated (a tutorial layout applied to the lowest
// five). A retry starts empty at speed 1.25.
void StartLevelBoard(int retry);

} // namespace wispwood
