#pragma once
// The program's start-up sequence and its orderly shutdown.
#include "engine/core/text.h"

namespace wispwood {

// Prepares every service in the fixed start-up order, up to and including
// the first screens' images; 0 when no display could be opened. A second
// call returns 1 at once.
int StartUp(const TextArray& words);
// Runs the scene loop from the first logo screen; never returns.
[[noreturn]] void RunGame();

// Saves what must outlive the run and ends the program.
[[noreturn]] void ShutDown();

// Registers the loaders of the loading screen, in their fixed order.
void RegisterGameLoaders();

// Start-up's own state back to before StartUp (ResetWorld resets the rest).
void ResetStartUp();

} // namespace wispwood
