#include "game/board/column_stacks.h"
#include "engine/io/random.h"

namespace wispwood {

std::vector<Ref<PieceParticleStack>> ColumnStacks;

PieceParticleStack::PieceParticleStack() {
    Bounce = static_cast<float>(RandomFloat(0.9, 1.1));
}

void ResetColumnStacks(int width) {
    ColumnStacks.clear();
    for (int i = 0; i < width; ++i) ColumnStacks.push_back(New<PieceParticleStack>());
}

int StackedCount(int x) {
    if (x < 0 || x >= static_cast<int>(ColumnStacks.size()) || !ColumnStacks[x]) return 0;
    return ColumnStacks[x]->Stacked.Count();
}

} // namespace wispwood
