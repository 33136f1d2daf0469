#pragma once
// A player for end-to-end tests who has only a keyboard: the arrows walk
// the cursor to what it wants, Return selects it. Every key goes in as the
// platform delivers it, so the whole chain from the event to the screen is
// played.
#include "tests/support/cursor_walk.h"
#include "tests/support/game_harness.h"
#include <vector>

namespace wispwood {
class Piece;
}

namespace wispwood::test {

class KeyboardPlayer {
  public:
    explicit KeyboardPlayer(GameHarness& game) : game_(game) {}

    // One key pressed and let go, then a few updates.
    void Press(int key, int frames = 2);
    // Walks the cursor onto a target wanted accepts; false when none can be
    // reached within the presses allowed.
    bool WalkTo(const TargetWanted& wanted, int presses = 60);
    // Walks there and presses Return.
    bool Choose(const TargetWanted& wanted);
    // Selects a group on the board, then a matching one: false when either
    // cannot be reached.
    bool Match(const std::vector<Ref<Piece>>& first, const std::vector<Ref<Piece>>& second);

  private:
    GameHarness& game_;
};

// Targets standing for one of the pieces.
TargetWanted AnyOf(const std::vector<Ref<Piece>>& pieces);

} // namespace wispwood::test
