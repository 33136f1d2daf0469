#pragma once
// A board test driven as the game scene drives the board: the mouse put on
// cells, clicks forced into the input snapshot, one board update per step,
// and the sound effects heard collected instead of played.
#include "tests/support/ascii_board.h"
#include <vector>

namespace wispwood::test {

class BoardPlayTest : public BoardTest {
  protected:
    std::vector<Text> sounds;

    void SetUp() override;
    void TearDown() override;

    // Builds the board with every reachable piece already revealed.
    void Board(const Picture& rows);
    // Reveals the reachable pieces of the board as it is now.
    void Reveal();
    // Puts the mouse on the middle of the cell.
    void Hover(int x, int y);
    // One update: a click of the button (0: none), then the board's step.
    virtual void Step(int button = 0);
    void Click(int x, int y, int button = 1);
    // Lets every burst run to its end.
    void FinishBursts();
};

} // namespace wispwood::test
