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
    float Bounce = 1;
};

// One stack per board column.
extern std::vector<Ref<PieceParticleStack>> ColumnStacks;

// Fresh empty stacks for a board of the given width.
void ResetColumnStacks(int width);

// Pieces lying on the stack of column x (0 outside the board).
int StackedCount(int x);

} // namespace wispwood
