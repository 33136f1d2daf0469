#pragma once
// The queue of resource loaders that the loading screen runs one per frame.
#include <functional>

namespace wispwood {

using Loader = std::function<void()>;

constexpr int kLoaderTableSize = 256;
extern Loader LoaderTable[kLoaderTableSize];
extern int LoaderCount;

void RegisterLoader(Loader loader);
// Runs entry index; 1 when it was the last registered one. The "loadsteps"
// setting is kept as it was around the call.
int RunLoadStep(int index);
// Runs every registered step back to back: what the loading screen spreads
// over its frames, for a program that shows no loading screen.
void RunEveryLoadStep();

void ResetLoaderQueue();

} // namespace wispwood
