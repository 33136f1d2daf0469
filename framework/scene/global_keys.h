#pragma once
// Keys that work on every screen, handled ahead of the scenes.
// The game installs its handler as FrameUpcalls.GlobalKeys (frame_loop.h).

namespace wispwood {

// Takes a key press (and the character it typed, when given) out of this
// update's snapshot, so that no scene acts on a key already handled.
void ConsumeKeyPress(int key, int typed = 0);

} // namespace wispwood
