#pragma once
// A player for end-to-end tests of the game scene: it looks at the board as
// a player does, picks a match that can be made now and clicks it through
// the harness's real mouse input.
#include "tests/support/game_harness.h"

namespace wispwood {
class guiGadget;
}

namespace wispwood::test {

// Clicks one group and then its partner; false when no match can be made
// now (pieces are still falling, or the board is stuck).
bool PlayOneMatch(GameHarness& game);

// Plays count matches, letting the board settle whenever none can be made.
void PlayMatches(GameHarness& game, int count);

// Clicks the middle of a button (a test failure when there is none).
void ClickGadget(GameHarness& game, const Ref<guiGadget>& gadget);

} // namespace wispwood::test
