#pragma once
// The board world of the row generator's tests: the board reset together
// with the scroll, the creation overrides, the cell rule's templates, the
// column stacks, the quota and the popups, and a level made current.
#include "game/board/level.h"
#include "tests/support/ascii_board.h"
#include "game/app/world_reset.h"

namespace wispwood::test {

class RowsTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetWorld(); }
    void TearDown() override { ResetWorld(); }
};

// A one-level set with the level selected: 48-pixel cells, the standard
// colours (no look-alikes) and the board re-created at the level's width.
// The level is returned for the test to tune.
Level& SelectTestLevel(int width, int colours, Ref<Level> level = nullptr);

// Standard-piece colours of row y as a picture line ('.' empty, '*' any
// other kind).
Text RowColours(int y);

} // namespace wispwood::test
