#pragma once
// Boards drawn as text: one string per row, top row first, one character
// per column. Keeps flood and group tests readable.
//   .        empty cell
//   0 to 7   standard piece of that colour
//   a to h   locked standard piece of colour 0 to 7
//   B bomb   D horizontal destroyer   V vertical destroyer   E earthquake
//   X extra life   C crumbling piece   H fairy tile   R rainbow piece
//   S stone piece   W stone wall   L lock   K key   G gem   P pick
//   O vine head   = vine body
#include "engine/core/text.h"
#include "framework/particles/particle.h"
#include "game/board/board.h"
#include <functional>
#include <gtest/gtest.h>
#include <vector>
#include "game/app/world_reset.h"

namespace wispwood::test {

using Picture = std::vector<Text>;

// Re-creates the grid (width of the widest row, the given height) and
// places the pieces drawn.
void BuildBoard(const Picture& rows, int height = 32);

// The piece a picture character stands for (null for '.').
Ref<Piece> PieceForChar(char c);

// One character per cell for the first rows of the grid: mark(piece) for a
// piece, '.' for an empty cell.
Picture DrawBoard(int rows, const std::function<char(const Piece&)>& mark);

// A particle for marking a piece as bursting.
Ref<Particle> ExplosionMarker();

// A fixture that starts and ends every test with the whole world reset.
class BoardTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetWorld(); }
    void TearDown() override { ResetWorld(); }
};

} // namespace wispwood::test
