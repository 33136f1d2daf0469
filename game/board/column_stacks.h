#pragma once
// The piles of fallen pieces at the floor of each column. The row
// generator reads their heights: a column whose pile grows lets the board
// come down less far.
#include "engine/core/ref.h"
#include "engine/core/tlist.h"
#include <vector>

namespace wispwood {

class PieceParticle;

class PieceParticleStack {
  public:
    PieceParticleStack();
    TList<Ref<PieceParticle>> Stacked;
    // Each column falls at its own rate: a factor on the pull, drawn afresh
    // whenever nothing is falling.
    float Bounce = 1;

    // Where the next piece lands: one cell above the highest piece lying
    // here, or one cell above the floor (the screen's bottom edge).
    int StackY();
    // How long the highest piece has lain here (0 when none).
    int HighestPieceStackTime();
    // Holds its pieces still and lets go of those that are finished.
    void Update();
    // A new random Bounce.
    void NewBounce();
};

// One stack per board column.
extern std::vector<Ref<PieceParticleStack>> ColumnStacks;

// Fresh empty stacks for a board of the given width.
void ResetColumnStacks(int width);

// Pieces lying on the stack of column x (0 outside the board).
int StackedCount(int x);

// The stack of column x, or null outside the board.
PieceParticleStack* ColumnStack(int x);

} // namespace wispwood
