#include "game/board/column_stacks.h"
#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/falling_pieces.h"
#include <algorithm>

namespace wispwood {

std::vector<Ref<PieceParticleStack>> ColumnStacks;

namespace {

constexpr float kStackFloor = 600; // the screen height

// The stacked piece lying highest, or null.
Ref<PieceParticle> HighestStacked(const TList<Ref<PieceParticle>>& stacked) {
    Ref<PieceParticle> highest;
    for (const Ref<PieceParticle>& r : stacked)
        if (!highest || r->y < highest->y) highest = r;
    return highest;
}

} // namespace

PieceParticleStack::PieceParticleStack() {
    NewBounce();
}

int PieceParticleStack::StackY() {
    float m = kStackFloor + static_cast<float>(CellHeight);
    for (const Ref<PieceParticle>& r : Stacked) m = std::min(m, r->y);
    return static_cast<int>(m - static_cast<float>(CellHeight));
}

int PieceParticleStack::HighestPieceStackTime() {
    Ref<PieceParticle> highest = HighestStacked(Stacked);
    return highest ? highest->stacked : 0;
}

void PieceParticleStack::Update() {
    for (const Ref<PieceParticle>& r : Stacked) {
        r->ay = 0.05f;
        if (r->Finished) Stacked.Remove(r);
    }
}

void PieceParticleStack::NewBounce() {
    Bounce = static_cast<float>(RandomFloat(0.9, 1.1));
}

void ResetColumnStacks(int width) {
    ColumnStacks.clear();
    for (int i = 0; i < width; ++i) ColumnStacks.push_back(New<PieceParticleStack>());
}

int StackedCount(int x) {
    PieceParticleStack* stack = ColumnStack(x);
    return stack ? stack->Stacked.Count() : 0;
}

PieceParticleStack* ColumnStack(int x) {
    if (x < 0 || x >= static_cast<int>(ColumnStacks.size())) return nullptr;
    return ColumnStacks[x].get();
}

} // namespace wispwood
