#pragma once
// The replay word without a window: the recorded game played at once.
#include "engine/core/text.h"

namespace wispwood {

// After start-up: loads what the game needs, plays the recording at path to
// its end and prints how it ended. The program's exit status: 0 when the
// game ended as recorded, 1 when it did not, 2 when the recording could not
// be read or played.
int PlayReplayHeadless(const Text& path);

} // namespace wispwood
