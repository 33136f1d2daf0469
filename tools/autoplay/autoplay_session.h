#pragma once
// The game prepared once for play without a window or a waiting clock: the
// headless drivers, the program's start-up and every loader, and a manual
// clock that only moves when an update is run.
#include "engine/core/text.h"

namespace wispwood::autoplay {

// Starts the game from the installation folder gameFolder (the folder that
// holds media/); false when start-up failed. Call once per process.
bool OpenSession(const Text& gameFolder);

// Moves the manual clock on by ms (one update is 10 ms of game time).
void AdvanceClock(int ms);

} // namespace wispwood::autoplay
