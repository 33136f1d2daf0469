#pragma once
// Keys that work on every screen, handled ahead of the scenes.
#include <functional>

namespace wispwood {

// Runs every update right after the input snapshot, before the scene sees
// it (the game installs it); the frame loop resets it with its own state.
extern std::function<void()> GlobalKeys;

// Takes a key press (and the character it typed, when given) out of this
// update's snapshot, so that no scene acts on a key already handled.
void ConsumeKeyPress(int key, int typed = 0);

} // namespace wispwood
